<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About Earnmeter</source>
        <translation>Acerca de Earnmeter</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>Program information</source>
        <translation>Información del programa</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&quot;How much money did you make today?&quot;</source>
        <translation>«¿Cuánto dinero ha ganado hoy?»</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>by Dorvan Quellis</source>
        <translation>por Dorvan Quellis</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Donar</translation>
    </message>
    <message>
        <source>Opens the web page</source>
        <translation>Abre la página web</translation>
    </message>
    <message>
        <source>Writes a support e-mail</source>
        <translation>Redacta un correo electrónico de asistencia</translation>
    </message>
    <message>
        <source>Opens the donation page</source>
        <translation>Abre la página de donaciones</translation>
    </message>
    <message>
        <source>Written by Dorvan Quellis</source>
        <translation>Escrito por Dorvan Quellis</translation>
    </message>
</context>
<context>
    <name>AdvancedWindow</name>
    <message>
        <source>My &amp;Wage $</source>
        <translation>Mi &amp;salario $</translation>
    </message>
    <message>
        <source>My wage per pay period</source>
        <translation>Mi salario por periodo de pago</translation>
    </message>
    <message>
        <source>My wage amount in dollars</source>
        <translation>Importe de mi salario en dólares</translation>
    </message>
    <message>
        <source>Pay period</source>
        <translation>Periodo de pago</translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation>O&amp;K</translation>
    </message>
    <message>
        <source>&amp;START</source>
        <translation>&amp;INICIAR</translation>
    </message>
    <message>
        <source>&amp;PAUSE</source>
        <translation>&amp;PAUSA</translation>
    </message>
    <message>
        <source>&amp;Advanced Mode</source>
        <translation>Modo a&amp;vanzado</translation>
    </message>
    <message>
        <source>Current Wage</source>
        <translation>Salario actual</translation>
    </message>
    <message>
        <source>Elapsed Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Convert the pay period</source>
        <translation>Convertir el periodo de pago</translation>
    </message>
    <message>
        <source>Current hourly wage</source>
        <translation>Salario por hora actual</translation>
    </message>
    <message>
        <source>&amp;Minimum Wage</source>
        <translation>Salario mí&amp;nimo</translation>
    </message>
    <message>
        <source>&amp;DREAM Wage</source>
        <translation>Salario &amp;DREAM</translation>
    </message>
    <message>
        <source>Minimum Wage  %1</source>
        <translation>Salario mínimo  %1</translation>
    </message>
    <message>
        <source>DREAM Wage  %1</source>
        <translation>Salario DREAM  %1</translation>
    </message>
    <message>
        <source>Earnmeter assumes %1 hours/day and %2 days/week.</source>
        <translation>Earnmeter supone %1 horas al día y %2 días a la semana.</translation>
    </message>
</context>
<context>
    <name>AwayHost</name>
    <message>
        <source>%1 The time was kept.</source>
        <translation>%1 Se ha conservado el tiempo.</translation>
    </message>
    <message>
        <source>%1 %2 was taken off the count.</source>
        <translation>%1 Se han descontado %2 del contador.</translation>
    </message>
    <message>
        <source>Welcome back</source>
        <translation>Hola de nuevo</translation>
    </message>
    <message>
        <source>&amp;Keep</source>
        <translation>&amp;Conservar</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Descontar</translation>
    </message>
    <message>
        <source>Remove and &amp;Pause</source>
        <translation>Descontar y &amp;pausar</translation>
    </message>
    <message>
        <source>You were away from %1 to %2 (%3) while Earnmeter was counting.</source>
        <translation>Ha estado ausente de %1 a %2 (%3) mientras Earnmeter contaba.</translation>
    </message>
</context>
<context>
    <name>AwayWays</name>
    <message>
        <source>the X server&apos;s idle time</source>
        <translation>el tiempo de inactividad del servidor X</translation>
    </message>
    <message>
        <source>GNOME&apos;s idle monitor</source>
        <translation>el monitor de inactividad de GNOME</translation>
    </message>
    <message>
        <source>the screen lock</source>
        <translation>el bloqueo de pantalla</translation>
    </message>
    <message>
        <source>suspend and resume</source>
        <translation>la suspensión y la reanudación</translation>
    </message>
    <message>
        <source>the compositor&apos;s idle time (ext-idle-notify-v1)</source>
        <translation>el tiempo de inactividad del compositor (ext-idle-notify-v1)</translation>
    </message>
    <message>
        <source>the compositor&apos;s idle time (org_kde_kwin_idle)</source>
        <translation>el tiempo de inactividad del compositor (org_kde_kwin_idle)</translation>
    </message>
</context>
<context>
    <name>ChosenMoney</name>
    <message>
        <source>(%1)/hr</source>
        <extracomment>A configured hourly rate in the advanced window&apos;s option captions: &quot;(12,50 €)/hr&quot;.</extracomment>
        <translation>(%1)/h</translation>
    </message>
</context>
<context>
    <name>DayWords</name>
    <message>
        <source>Today %1 in %2</source>
        <comment>money, time</comment>
        <translation>Hoy %1 en %2</translation>
    </message>
    <message>
        <source>Today (without the history) %1 in %2</source>
        <comment>money, time</comment>
        <translation>Hoy (sin el historial) %1 en %2</translation>
    </message>
    <message>
        <source>Ends in %1</source>
        <comment>the working day</comment>
        <translation>Termina en %1</translation>
    </message>
    <message>
        <source>%1 % of today&apos;s goal %2</source>
        <translation>%1 % de la meta de hoy (%2)</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>Engine</name>
    <message>
        <source>Do you want to reset the timer to zero?</source>
        <translation>¿Quiere poner el contador a cero?</translation>
    </message>
    <message>
        <source>Reset Earnmeter</source>
        <translation>Poner Earnmeter a cero</translation>
    </message>
    <message>
        <source>PAUSED (Earnmeter)</source>
        <extracomment>The main window&apos;s caption while paused.</extracomment>
        <translation>EN PAUSA (Earnmeter)</translation>
    </message>
    <message>
        <source>Earnmeter (PAUSED)</source>
        <extracomment>The advanced window&apos;s caption while paused.</extracomment>
        <translation>Earnmeter (EN PAUSA)</translation>
    </message>
    <message>
        <source>The wage &quot;%1&quot; is too large to count with. Enter an amount of at most %2; the previous wage stays in force.</source>
        <extracomment>%1 is what was typed, %2 the largest amount.</extracomment>
        <translation>El salario «%1» es demasiado alto para contarlo. Introduzca un importe de %2 como máximo; sigue vigente el salario anterior.</translation>
    </message>
    <message>
        <source>The wage &quot;%1&quot; is too large to count with. Enter an amount of at most %2 (%3); the previous wage stays in force.</source>
        <extracomment>%1 is what was typed, %2 the largest amount, %3 the pay period it is paid for.</extracomment>
        <translation>El salario «%1» es demasiado alto para contarlo. Introduzca un importe de %2 (%3) como máximo; sigue vigente el salario anterior.</translation>
    </message>
</context>
<context>
    <name>HistoryChart</name>
    <message>
        <source>Earnings chart</source>
        <translation>Gráfico de ganancias</translation>
    </message>
    <message>
        <source>The same figures are listed in the table below.</source>
        <translation>Las mismas cifras aparecen en la tabla de abajo.</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <comment>a bar&apos;s period, earnings and time</comment>
        <translation>%1: %2, %3</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Esta semana</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>Este mes</translation>
    </message>
    <message>
        <source>This year</source>
        <translation>Este año</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>Desde siempre</translation>
    </message>
    <message>
        <source>Earnmeter History</source>
        <translation>Historial de Earnmeter</translation>
    </message>
    <message>
        <source>Export &amp;CSV...</source>
        <translation>Exportar &amp;CSV...</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>Últimos 30 días</translation>
    </message>
    <message>
        <source>Last 12 weeks</source>
        <translation>Últimas 12 semanas</translation>
    </message>
    <message>
        <source>Last 12 months</source>
        <translation>Últimos 12 meses</translation>
    </message>
    <message>
        <source>Chart span</source>
        <translation>Intervalo del gráfico</translation>
    </message>
    <message>
        <source>&amp;Show days without earnings</source>
        <translation>&amp;Mostrar los días sin ganancias</translation>
    </message>
    <message>
        <source>Earnings per period, newest first</source>
        <translation>Ganancias por periodo, las más recientes primero</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Periodo</translation>
    </message>
    <message>
        <source>Earned</source>
        <translation>Ganado</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>%1: %2 in %3</source>
        <comment>a period, its earnings and time</comment>
        <translation>%1: %2 en %3</translation>
    </message>
</context>
<context>
    <name>Host</name>
    <message>
        <source>Earnmeter&apos;s start at login could not be changed: %1.</source>
        <translation>No se ha podido cambiar el inicio de Earnmeter al iniciar sesión: %1.</translation>
    </message>
    <message>
        <source>The elapsed time goes on counting; it will be saved again in five minutes.</source>
        <translation>El tiempo transcurrido se sigue contando; se volverá a guardar dentro de cinco minutos.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Elapsed Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>My Hourly &amp;Wage: $</source>
        <translation>Mi &amp;salario por hora: $</translation>
    </message>
    <message>
        <source>&amp;START</source>
        <translation>&amp;INICIAR</translation>
    </message>
    <message>
        <source>&amp;PAUSE</source>
        <translation>&amp;PAUSA</translation>
    </message>
    <message>
        <source>&amp;Advanced Mode</source>
        <translation>Modo a&amp;vanzado</translation>
    </message>
    <message>
        <source>My hourly wage in dollars</source>
        <translation>Mi salario por hora en dólares</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>&quot;%1&quot; is not a &quot;key = value&quot; line; it is ignored.</source>
        <translation>&quot;%1&quot; no es una línea &quot;key = value&quot;; se ignora.</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no value</comment>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>%1 = &quot;%2&quot; is not %3; %4 is used instead.</source>
        <translation>%1 = &quot;%2&quot; no es válido (se esperaba %3); en su lugar se usa: %4.</translation>
    </message>
    <message>
        <source>End of %1 file reached.</source>
        <translation>Se ha llegado al final del archivo %1.</translation>
    </message>
    <message>
        <source>Your software has been updated to version %1. Click OK to continue.</source>
        <translation>El programa se ha actualizado a la versión %1. Pulse Aceptar para continuar.</translation>
    </message>
    <message>
        <source>Earnmeter Update</source>
        <translation>Actualización de Earnmeter</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>%1 will be recreated now. Please launch the software again.</source>
        <translation>Ahora se volverá a crear %1. Inicie de nuevo el programa.</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>%1. Nothing could be read from it: the settings take their defaults, and the file is left unchanged.</source>
        <translation>%1. No se ha podido leer nada de él: la configuración toma sus valores predeterminados y el archivo no se modifica.</translation>
    </message>
    <message>
        <source>%1. Read from it: %2. The other settings take their defaults, and the file is left unchanged.</source>
        <translation>%1. Se ha leído de él: %2. El resto de la configuración toma sus valores predeterminados y el archivo no se modifica.</translation>
    </message>
    <message>
        <source>Earnmeter did not use the folder %1 for its control channel: it %2, so another user could listen in or shut the command line out.</source>
        <translation>Earnmeter no ha usado la carpeta %1 para su canal de control (motivo: %2): otro usuario podría espiar la comunicación o dejar fuera a la línea de comandos.</translation>
    </message>
    <message>
        <source>It uses a folder of its own instead, %1; the command line and panels find it through the data folder.</source>
        <translation>En su lugar usa una carpeta propia, %1; la línea de comandos y los paneles la encuentran a través de la carpeta de datos.</translation>
    </message>
    <message>
        <source>The meter works, but the command line and panels cannot reach it: %1.</source>
        <translation>El contador funciona, pero la línea de comandos y los paneles no pueden comunicarse con él: %1.</translation>
    </message>
    <message>
        <source>Some of your preferences in %1 could not be read; the file is left as it is.</source>
        <translation>No se han podido leer algunas de sus preferencias de %1; el archivo se deja como está.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Línea %1: %2</translation>
    </message>
    <message>
        <source>... and %1 more lines.</source>
        <translation>... y %1 líneas más.</translation>
    </message>
    <message>
        <source>%1. Your preferences take their defaults, and the file is left as it is.</source>
        <translation>%1. Sus preferencias toman sus valores predeterminados y el archivo se deja como está.</translation>
    </message>
    <message>
        <source>Do you want to continue with your elapsed time of %1?</source>
        <translation>¿Quiere continuar con su tiempo transcurrido de %1?</translation>
    </message>
    <message>
        <source>It was counted on %1.</source>
        <translation>Se contó el día %1.</translation>
    </message>
    <message>
        <source>Continue Earnmeter</source>
        <translation>Continuar con Earnmeter</translation>
    </message>
    <message>
        <source>Do you want to save your elapsed time?</source>
        <translation>¿Quiere guardar su tiempo transcurrido?</translation>
    </message>
    <message>
        <source>Save Earnmeter Progress</source>
        <translation>Guardar el progreso de Earnmeter</translation>
    </message>
    <message>
        <source>is a symbolic link</source>
        <extracomment>Why a folder was not used: &quot;(reason: %2)&quot;.</extracomment>
        <translation>es un enlace simbólico</translation>
    </message>
    <message>
        <source>is not a folder</source>
        <translation>no es una carpeta</translation>
    </message>
    <message>
        <source>belongs to another user</source>
        <translation>pertenece a otro usuario</translation>
    </message>
    <message>
        <source>may be entered by other users</source>
        <translation>otros usuarios pueden entrar en ella</translation>
    </message>
    <message>
        <source>Minimum Wage</source>
        <translation>Salario mínimo</translation>
    </message>
    <message>
        <source>DREAM Wage</source>
        <translation>Salario DREAM</translation>
    </message>
    <message>
        <source>Minimize on Startup</source>
        <translation>Minimizar al iniciar</translation>
    </message>
    <message>
        <source>Startup in Advanced Mode</source>
        <translation>Abrir en modo avanzado</translation>
    </message>
    <message>
        <source>Save Position on Exit</source>
        <translation>Guardar posición al salir</translation>
    </message>
    <message>
        <source>yes or no</source>
        <extracomment>What a line of the preferences file should say: &quot;x = &quot;y&quot; is not %3&quot;.</extracomment>
        <translation>yes o no</translation>
    </message>
    <message>
        <source>a time such as 09:00, or nothing</source>
        <translation>una hora como 09:00, o nada</translation>
    </message>
    <message>
        <source>a time such as 17:00, or nothing</source>
        <translation>una hora como 17:00, o nada</translation>
    </message>
    <message>
        <source>two times such as 12:00-12:30, or nothing</source>
        <translation>un intervalo horario como 12:00-12:30, o nada</translation>
    </message>
    <message>
        <source>a whole number of days from 1 to 7</source>
        <translation>un número entero de días de 1 a 7</translation>
    </message>
    <message>
        <source>a whole number of minutes from 0 (never) to 1440</source>
        <translation>un número entero de minutos de 0 (nunca) a 1440</translation>
    </message>
    <message>
        <source>an amount above 0 such as 240.00, or nothing</source>
        <translation>un importe mayor que 0 como 240.00, o nada</translation>
    </message>
    <message>
        <source>ask, continue or zero</source>
        <translation>ask, continue o zero</translation>
    </message>
    <message>
        <source>ask, keep or remove</source>
        <translation>ask, keep o remove</translation>
    </message>
    <message>
        <source>day names such as Mon Tue Wed Thu Fri</source>
        <translation>una lista de nombres de días como Mon Tue Wed Thu Fri</translation>
    </message>
    <message>
        <source>hours above 0 up to 24, such as 8 or 7.5</source>
        <translation>un número de horas mayor que 0 y no superior a 24, como 8 o 7.5</translation>
    </message>
    <message>
        <source>$, locale or a currency code such as EUR</source>
        <translation>$, locale o un código de moneda como EUR</translation>
    </message>
    <message>
        <source>matched by a work_end</source>
        <translation>acompañado de un work_end</translation>
    </message>
    <message>
        <source>matched by a work_start</source>
        <translation>acompañado de un work_start</translation>
    </message>
    <message>
        <source>after work_start (%1)</source>
        <extracomment>%1 is the start of the working day: &quot;after work_start (09:00)&quot;.</extracomment>
        <translation>posterior a work_start (%1)</translation>
    </message>
    <message>
        <source>a break that ends after it begins</source>
        <translation>un descanso que termina después de empezar</translation>
    </message>
    <message>
        <source>within a working day (work_start and work_end)</source>
        <translation>dentro de una jornada laboral (work_start y work_end)</translation>
    </message>
    <message>
        <source>within the working day (%1)</source>
        <extracomment>%1 is the working day: &quot;within the working day (09:00-17:00)&quot;.</extracomment>
        <translation>dentro de la jornada laboral (%1)</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Earnmeter Options</source>
        <translation>Opciones de Earnmeter</translation>
    </message>
    <message>
        <source>&amp;Minimum Wage $</source>
        <translation>Salario mí&amp;nimo $</translation>
    </message>
    <message>
        <source>/hr</source>
        <translation>/h</translation>
    </message>
    <message>
        <source>&amp;DREAM Wage $</source>
        <translation>Salario &amp;DREAM $</translation>
    </message>
    <message>
        <source>Minimum wage in dollars per hour</source>
        <translation>Salario mínimo en dólares por hora</translation>
    </message>
    <message>
        <source>DREAM wage in dollars per hour</source>
        <translation>Salario DREAM en dólares por hora</translation>
    </message>
    <message>
        <source>Minimize on &amp;Startup?</source>
        <translation>¿&amp;Minimizar al iniciar?</translation>
    </message>
    <message>
        <source>Startup in &amp;Advanced Mode?</source>
        <translation>¿Abrir en modo a&amp;vanzado?</translation>
    </message>
    <message>
        <source>Save &amp;Position on Exit?</source>
        <translation>¿&amp;Guardar posición al salir?</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Restore Defaults</source>
        <translation>&amp;Predeterminados</translation>
    </message>
    <message>
        <source>Minimize on startup</source>
        <translation>Minimizar al iniciar</translation>
    </message>
    <message>
        <source>Startup in advanced mode</source>
        <translation>Abrir en modo avanzado</translation>
    </message>
    <message>
        <source>Save window positions on exit</source>
        <translation>Guardar la posición de las ventanas al salir</translation>
    </message>
    <message>
        <source>Restore defaults</source>
        <translation>Restaurar los valores predeterminados</translation>
    </message>
    <message>
        <source>Type mismatch: the amount is not a number. Enter digits with an optional point, such as 6.75.</source>
        <translation>Los tipos no coinciden: el importe no es un número. Escriba cifras con un punto opcional, como 6.75.</translation>
    </message>
    <message>
        <source>Invalid floating-point operation: the amount cannot be computed.</source>
        <translation>Operación de coma flotante no válida: no se puede calcular el importe.</translation>
    </message>
    <message>
        <source>Overflow: the amount is too large. Enter an amount below %1.</source>
        <translation>Desbordamiento: el importe es demasiado grande. Escriba un importe inferior a %1.</translation>
    </message>
</context>
<context>
    <name>PayPeriod</name>
    <message>
        <source>Hourly</source>
        <translation>Por hora</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Semanal</translation>
    </message>
    <message>
        <source>Bi-Weekly</source>
        <translation>Cada 2 semanas</translation>
    </message>
    <message>
        <source>Semi-Monthly</source>
        <translation>Quincenal</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensual</translation>
    </message>
    <message>
        <source>Annually</source>
        <translation>Anual</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>Earnmeter Preferences</source>
        <translation>Preferencias de Earnmeter</translation>
    </message>
    <message>
        <source>Wage and day</source>
        <translation>Salario y día</translation>
    </message>
    <message>
        <source>&amp;Remember the wage from one run to the next</source>
        <translation>&amp;Recordar el salario para la próxima vez</translation>
    </message>
    <message>
        <source>At exit the wage boxes are kept, and the next start fills them in again.</source>
        <translation>Al salir se guarda el contenido de las casillas de salario, y el siguiente inicio las vuelve a rellenar.</translation>
    </message>
    <message>
        <source>Ask whether to continue with it</source>
        <translation>Preguntar si se continúa con él</translation>
    </message>
    <message>
        <source>Continue without asking</source>
        <translation>Continuar sin preguntar</translation>
    </message>
    <message>
        <source>Start from zero</source>
        <translation>Empezar desde cero</translation>
    </message>
    <message>
        <source>A count from an earlier day</source>
        <translation>Contador de un día anterior</translation>
    </message>
    <message>
        <source>What start-up does with an elapsed time saved on an earlier day.</source>
        <translation>Qué se hace al iniciar con un tiempo transcurrido guardado en un día anterior.</translation>
    </message>
    <message>
        <source>A count from an &amp;earlier day:</source>
        <translation>Contador de un día ant&amp;erior:</translation>
    </message>
    <message>
        <source>Working day</source>
        <translation>Jornada laboral</translation>
    </message>
    <message>
        <source>&amp;Start the meter when the working day begins</source>
        <translation>&amp;Iniciar el contador al empezar la jornada laboral</translation>
    </message>
    <message>
        <source>Otherwise a notification offers to start it.</source>
        <translation>Si no, una notificación ofrece iniciarlo.</translation>
    </message>
    <message>
        <source>Pa&amp;use it for the break and at the day&apos;s end</source>
        <translation>Pa&amp;usarlo durante el descanso y al acabar la jornada</translation>
    </message>
    <message>
        <source>Otherwise a notification says the meter is still counting.</source>
        <translation>Si no, una notificación avisa de que el contador sigue en marcha.</translation>
    </message>
    <message>
        <source>Start Earnmeter when I &amp;log in</source>
        <translation>Iniciar Earnmeter al iniciar &amp;sesión</translation>
    </message>
    <message>
        <source>Show &amp;notifications</source>
        <translation>Mostrar &amp;notificaciones</translation>
    </message>
    <message>
        <source>At the working day&apos;s edges and when the daily goal is reached.</source>
        <translation>Al empezar y terminar la jornada laboral y al alcanzar la meta diaria.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>Daily goal in dollars</source>
        <translation>Meta diaria en dólares</translation>
    </message>
    <message>
        <source>Empty for none.</source>
        <translation>Vacía si no hay ninguna.</translation>
    </message>
    <message>
        <source>Daily &amp;goal: $</source>
        <translation>&amp;Meta diaria: $</translation>
    </message>
    <message>
        <source>Follow a &amp;working day from</source>
        <translation>Seguir una &amp;jornada laboral de</translation>
    </message>
    <message>
        <source>The working day begins at</source>
        <translation>La jornada laboral empieza a las</translation>
    </message>
    <message>
        <source>The working day ends at</source>
        <translation>La jornada laboral termina a las</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Días</translation>
    </message>
    <message>
        <source>With a &amp;break from</source>
        <translation>Con un &amp;descanso de</translation>
    </message>
    <message>
        <source>The break begins at</source>
        <translation>El descanso empieza a las</translation>
    </message>
    <message>
        <source>The break ends at</source>
        <translation>El descanso termina a las</translation>
    </message>
    <message>
        <source>Restore &amp;Defaults</source>
        <translation>Restaurar &amp;predeterminados</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Ausencia</translation>
    </message>
    <message>
        <source> minutes</source>
        <translation> minutos</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nunca</translation>
    </message>
    <message>
        <source>Away after no input for, in minutes</source>
        <translation>Minutos sin actividad para considerarme ausente</translation>
    </message>
    <message>
        <source>Never: neither idle time nor a locked screen nor a suspend counts you away.</source>
        <translation>Nunca: ni la inactividad, ni el bloqueo de la pantalla, ni la suspensión hacen que se le considere ausente.</translation>
    </message>
    <message>
        <source>Count me away after no &amp;input for:</source>
        <translation>Considerarme ausente &amp;tras una inactividad de:</translation>
    </message>
    <message>
        <source>Ask whether to keep the time</source>
        <translation>Preguntar si se conserva el tiempo</translation>
    </message>
    <message>
        <source>Keep the time</source>
        <translation>Conservar el tiempo</translation>
    </message>
    <message>
        <source>Take the time off the count</source>
        <translation>Descontar el tiempo del contador</translation>
    </message>
    <message>
        <source>On my return</source>
        <translation>Al volver</translation>
    </message>
    <message>
        <source>On my re&amp;turn:</source>
        <translation>Al &amp;volver:</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Dinero</translation>
    </message>
    <message>
        <source>$ (as Earnmeter has always shown it)</source>
        <translation>$ (como Earnmeter lo ha mostrado siempre)</translation>
    </message>
    <message>
        <source>Regional currency (locale)</source>
        <translation>Moneda de la región (configuración regional)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A currency in the list: its ISO code and its symbol, &quot;EUR (€)&quot;.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Moneda</translation>
    </message>
    <message>
        <source>The currency every amount is shown in, as the region writes it.</source>
        <translation>La moneda en la que se muestran todos los importes, con el formato de la región.</translation>
    </message>
    <message>
        <source>Currenc&amp;y:</source>
        <translation>M&amp;oneda:</translation>
    </message>
    <message>
        <source>This desktop tells neither idle time nor the lock: time away is not noticed.</source>
        <translation>Este escritorio no informa ni de la inactividad ni del bloqueo: no se detectan las ausencias.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the last two ways</comment>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Noticed through %1.</source>
        <translation>Las ausencias se detectan mediante %1.</translation>
    </message>
    <message>
        <source>The break must end after it begins, within the working day.</source>
        <translation>El descanso debe terminar después de empezar y estar dentro de la jornada laboral.</translation>
    </message>
    <message>
        <source>The working day must end after it begins.</source>
        <translation>La jornada laboral debe terminar después de empezar.</translation>
    </message>
    <message>
        <source>The daily goal must be an amount above 0, such as 240.00, or empty for none.</source>
        <translation>La meta diaria debe ser un importe mayor que 0, como 240.00, o quedar vacía si no quiere ninguna.</translation>
    </message>
    <message>
        <source>Working week</source>
        <translation>Semana laboral</translation>
    </message>
    <message>
        <source>&amp;Hours a day:</source>
        <translation>&amp;Horas al día:</translation>
    </message>
    <message>
        <source>Hours worked a day</source>
        <translation>Horas trabajadas al día</translation>
    </message>
    <message>
        <source>Days a wee&amp;k:</source>
        <translation>Días a &amp;la semana:</translation>
    </message>
    <message>
        <source>Days worked a week</source>
        <translation>Días trabajados a la semana</translation>
    </message>
    <message>
        <source>The advanced window converts a pay period into an hourly wage on these.</source>
        <translation>El modo avanzado los usa para convertir un periodo de pago en salario por hora.</translation>
    </message>
</context>
<context>
    <name>SysTray</name>
    <message>
        <source>&amp;Popup</source>
        <translation>&amp;Menú emergente</translation>
    </message>
</context>
<context>
    <name>TrayHost</name>
    <message>
        <source>&amp;Open Earnmeter...</source>
        <translation>&amp;Abrir Earnmeter...</translation>
    </message>
    <message>
        <source>&amp;Start Timer</source>
        <translation>&amp;Iniciar el contador</translation>
    </message>
    <message>
        <source>&amp;Pause Timer</source>
        <translation>&amp;Pausar el contador</translation>
    </message>
    <message>
        <source>&amp;E-Mail Dorvan</source>
        <translation>Enviar un &amp;correo a Dorvan</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Acerca &amp;de...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
</context>
<context>
    <name>WindowMenus</name>
    <message>
        <source>Elapsed &amp;Time</source>
        <translation>&amp;Tiempo transcurrido</translation>
    </message>
    <message>
        <source>Calculated &amp;Wage</source>
        <translation>&amp;Salario calculado</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Reset Timer...</source>
        <translation>Poner el contador a &amp;cero...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opciones...</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Preferencias...</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Historial...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Copy to Clipboard</source>
        <translation>Copiar al &amp;portapapeles</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;E-Mail Dorvan</source>
        <translation>Enviar un &amp;correo a Dorvan</translation>
    </message>
    <message>
        <source>Visit &amp;Webpage</source>
        <translation>&amp;Visitar la página web</translation>
    </message>
    <message>
        <source>&amp;Donate Information</source>
        <translation>Información sobre &amp;donaciones</translation>
    </message>
    <message>
        <source>&amp;Help and Readme</source>
        <translation>A&amp;yuda y léame</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Acerca de...</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>Oculto</translation>
    </message>
</context>
<context>
    <name>WorkingDayHost</name>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>It is %1: Earnmeter started counting your working day.</source>
        <translation>Son las %1: Earnmeter ha empezado a contar su jornada laboral.</translation>
    </message>
    <message>
        <source>It is %1: start Earnmeter?</source>
        <translation>Son las %1: ¿iniciar Earnmeter?</translation>
    </message>
    <message>
        <source>Your break began at %1: Earnmeter paused.</source>
        <translation>Su descanso empezó a las %1: Earnmeter está en pausa.</translation>
    </message>
    <message>
        <source>Your break began at %1. Earnmeter is still counting.</source>
        <translation>Su descanso empezó a las %1. Earnmeter sigue contando.</translation>
    </message>
    <message>
        <source>Your break ended at %1: Earnmeter counts again.</source>
        <translation>Su descanso terminó a las %1: Earnmeter vuelve a contar.</translation>
    </message>
    <message>
        <source>Your working day ended at %1: Earnmeter paused.</source>
        <translation>Su jornada laboral terminó a las %1: Earnmeter está en pausa.</translation>
    </message>
    <message>
        <source>Your working day ended at %1. Earnmeter is still counting.</source>
        <translation>Su jornada laboral terminó a las %1. Earnmeter sigue contando.</translation>
    </message>
    <message>
        <source>You reached today&apos;s goal of %1 at %2.</source>
        <translation>Ha alcanzado la meta de hoy (%1) a las %2.</translation>
    </message>
</context>
<context>
    <name>WorkingWindow</name>
    <message>
        <source>Elapsed time</source>
        <translation>Tiempo transcurrido</translation>
    </message>
    <message>
        <source>Money earned</source>
        <translation>Dinero ganado</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Advanced mode</source>
        <translation>Modo avanzado</translation>
    </message>
</context>
</TS>
