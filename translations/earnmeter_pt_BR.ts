<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About Earnmeter</source>
        <translation>Sobre o Earnmeter</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>Program information</source>
        <translation>Informações do programa</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&quot;How much money did you make today?&quot;</source>
        <translation>&quot;Quanto dinheiro você ganhou hoje?&quot;</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>by Dorvan Quellis</source>
        <translation>por Dorvan Quellis</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Doar</translation>
    </message>
    <message>
        <source>Opens the web page</source>
        <translation>Abre a página web</translation>
    </message>
    <message>
        <source>Writes a support e-mail</source>
        <translation>Escreve um e-mail de suporte</translation>
    </message>
    <message>
        <source>Opens the donation page</source>
        <translation>Abre a página de doação</translation>
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
        <translation>Meu &amp;salário $</translation>
    </message>
    <message>
        <source>My wage per pay period</source>
        <translation>Meu salário por período de pagamento</translation>
    </message>
    <message>
        <source>My wage amount in dollars</source>
        <translation>Valor do meu salário em dólares</translation>
    </message>
    <message>
        <source>Pay period</source>
        <translation>Período de pagamento</translation>
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
        <translation>&amp;PAUSAR</translation>
    </message>
    <message>
        <source>&amp;Advanced Mode</source>
        <translation>Modo a&amp;vançado</translation>
    </message>
    <message>
        <source>Current Wage</source>
        <translation>Salário atual</translation>
    </message>
    <message>
        <source>Elapsed Time</source>
        <translation>Tempo decorrido</translation>
    </message>
    <message>
        <source>Convert the pay period</source>
        <translation>Converter o período de pagamento</translation>
    </message>
    <message>
        <source>Current hourly wage</source>
        <translation>Salário por hora atual</translation>
    </message>
    <message>
        <source>&amp;Minimum Wage</source>
        <translation>Salário &amp;mínimo</translation>
    </message>
    <message>
        <source>&amp;DREAM Wage</source>
        <translation>Salário &amp;DREAM</translation>
    </message>
    <message>
        <source>Minimum Wage  %1</source>
        <translation>Salário mínimo  %1</translation>
    </message>
    <message>
        <source>DREAM Wage  %1</source>
        <translation>Salário DREAM  %1</translation>
    </message>
    <message>
        <source>Earnmeter assumes %1 hours/day and %2 days/week.</source>
        <translation>O Earnmeter considera %1 horas por dia e %2 dias por semana.</translation>
    </message>
</context>
<context>
    <name>AwayHost</name>
    <message>
        <source>%1 The time was kept.</source>
        <translation>%1 O tempo foi mantido.</translation>
    </message>
    <message>
        <source>%1 %2 was taken off the count.</source>
        <translation>%1 O tempo de %2 foi descontado do contador.</translation>
    </message>
    <message>
        <source>Welcome back</source>
        <translation>Bem-vindo de volta</translation>
    </message>
    <message>
        <source>&amp;Keep</source>
        <translation>&amp;Manter</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Remover</translation>
    </message>
    <message>
        <source>Remove and &amp;Pause</source>
        <translation>Remover e &amp;pausar</translation>
    </message>
    <message>
        <source>You were away from %1 to %2 (%3) while Earnmeter was counting.</source>
        <translation>Você esteve ausente das %1 às %2 (%3) enquanto o Earnmeter contava.</translation>
    </message>
</context>
<context>
    <name>AwayWays</name>
    <message>
        <source>the X server&apos;s idle time</source>
        <translation>o tempo ocioso do servidor X</translation>
    </message>
    <message>
        <source>GNOME&apos;s idle monitor</source>
        <translation>o monitor de ociosidade do GNOME</translation>
    </message>
    <message>
        <source>the screen lock</source>
        <translation>o bloqueio de tela</translation>
    </message>
    <message>
        <source>suspend and resume</source>
        <translation>a suspensão e a retomada</translation>
    </message>
    <message>
        <source>the compositor&apos;s idle time (ext-idle-notify-v1)</source>
        <translation>o tempo ocioso do compositor (ext-idle-notify-v1)</translation>
    </message>
    <message>
        <source>the compositor&apos;s idle time (org_kde_kwin_idle)</source>
        <translation>o tempo ocioso do compositor (org_kde_kwin_idle)</translation>
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
        <translation>Hoje %1 em %2</translation>
    </message>
    <message>
        <source>Today (without the history) %1 in %2</source>
        <comment>money, time</comment>
        <translation>Hoje (sem o histórico) %1 em %2</translation>
    </message>
    <message>
        <source>Ends in %1</source>
        <comment>the working day</comment>
        <translation>Fim da jornada em %1</translation>
    </message>
    <message>
        <source>%1 % of today&apos;s goal %2</source>
        <translation>%1 % da meta diária de %2</translation>
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
        <translation>Deseja zerar o contador?</translation>
    </message>
    <message>
        <source>Reset Earnmeter</source>
        <translation>Zerar o Earnmeter</translation>
    </message>
    <message>
        <source>PAUSED (Earnmeter)</source>
        <extracomment>The main window&apos;s caption while paused.</extracomment>
        <translation>PAUSADO (Earnmeter)</translation>
    </message>
    <message>
        <source>Earnmeter (PAUSED)</source>
        <extracomment>The advanced window&apos;s caption while paused.</extracomment>
        <translation>Earnmeter (PAUSADO)</translation>
    </message>
    <message>
        <source>The wage &quot;%1&quot; is too large to count with. Enter an amount of at most %2; the previous wage stays in force.</source>
        <extracomment>%1 is what was typed, %2 the largest amount.</extracomment>
        <translation>O salário “%1” é alto demais para ser contado. Digite um valor de no máximo %2; o salário anterior continua valendo.</translation>
    </message>
    <message>
        <source>The wage &quot;%1&quot; is too large to count with. Enter an amount of at most %2 (%3); the previous wage stays in force.</source>
        <extracomment>%1 is what was typed, %2 the largest amount, %3 the pay period it is paid for.</extracomment>
        <translation>O salário “%1” é alto demais para ser contado. Digite um valor de no máximo %2 (%3); o salário anterior continua valendo.</translation>
    </message>
</context>
<context>
    <name>HistoryChart</name>
    <message>
        <source>Earnings chart</source>
        <translation>Gráfico de ganhos</translation>
    </message>
    <message>
        <source>The same figures are listed in the table below.</source>
        <translation>Os mesmos valores estão listados na tabela abaixo.</translation>
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
        <translation>Hoje</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Esta semana</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>Este mês</translation>
    </message>
    <message>
        <source>This year</source>
        <translation>Este ano</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>Todo o período</translation>
    </message>
    <message>
        <source>Earnmeter History</source>
        <translation>Histórico do Earnmeter</translation>
    </message>
    <message>
        <source>Export &amp;CSV...</source>
        <translation>Exportar &amp;CSV...</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>Últimos 30 dias</translation>
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
        <translation>Período do gráfico</translation>
    </message>
    <message>
        <source>&amp;Show days without earnings</source>
        <translation>&amp;Mostrar dias sem ganhos</translation>
    </message>
    <message>
        <source>Earnings per period, newest first</source>
        <translation>Ganhos por período, mais recentes primeiro</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Período</translation>
    </message>
    <message>
        <source>Earned</source>
        <translation>Ganho</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>%1: %2 in %3</source>
        <comment>a period, its earnings and time</comment>
        <translation>%1: %2 em %3</translation>
    </message>
</context>
<context>
    <name>Host</name>
    <message>
        <source>Earnmeter&apos;s start at login could not be changed: %1.</source>
        <translation>Não foi possível alterar a inicialização do Earnmeter ao entrar na sessão: %1.</translation>
    </message>
    <message>
        <source>The elapsed time goes on counting; it will be saved again in five minutes.</source>
        <translation>O tempo decorrido continua sendo contado; ele será salvo novamente em cinco minutos.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Elapsed Time</source>
        <translation>Tempo decorrido</translation>
    </message>
    <message>
        <source>My Hourly &amp;Wage: $</source>
        <translation>Meu &amp;salário por hora: $</translation>
    </message>
    <message>
        <source>&amp;START</source>
        <translation>&amp;INICIAR</translation>
    </message>
    <message>
        <source>&amp;PAUSE</source>
        <translation>&amp;PAUSAR</translation>
    </message>
    <message>
        <source>&amp;Advanced Mode</source>
        <translation>Modo a&amp;vançado</translation>
    </message>
    <message>
        <source>My hourly wage in dollars</source>
        <translation>Meu salário por hora em dólares</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>&quot;%1&quot; is not a &quot;key = value&quot; line; it is ignored.</source>
        <translation>&quot;%1&quot; não é uma linha &quot;key = value&quot;; ela é ignorada.</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no value</comment>
        <translation>vazio</translation>
    </message>
    <message>
        <source>%1 = &quot;%2&quot; is not %3; %4 is used instead.</source>
        <translation>%1 = &quot;%2&quot; não é %3; em vez disso, é usado o valor %4.</translation>
    </message>
    <message>
        <source>End of %1 file reached.</source>
        <translation>Fim do arquivo %1 alcançado.</translation>
    </message>
    <message>
        <source>Your software has been updated to version %1. Click OK to continue.</source>
        <translation>Seu programa foi atualizado para a versão %1. Clique em OK para continuar.</translation>
    </message>
    <message>
        <source>Earnmeter Update</source>
        <translation>Atualização do Earnmeter</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>%1 will be recreated now. Please launch the software again.</source>
        <translation>%1 será recriado agora. Inicie o programa novamente.</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>%1. Nothing could be read from it: the settings take their defaults, and the file is left unchanged.</source>
        <translation>%1. Nada pôde ser lido do arquivo: as configurações voltam aos valores padrão, e o arquivo não é alterado.</translation>
    </message>
    <message>
        <source>%1. Read from it: %2. The other settings take their defaults, and the file is left unchanged.</source>
        <translation>%1. Lido do arquivo: %2. As demais configurações voltam aos valores padrão, e o arquivo não é alterado.</translation>
    </message>
    <message>
        <source>Earnmeter did not use the folder %1 for its control channel: it %2, so another user could listen in or shut the command line out.</source>
        <translation>O Earnmeter não usou a pasta %1 para o seu canal de controle (motivo: %2), pois outro usuário poderia escutar a comunicação ou bloquear o acesso da linha de comando.</translation>
    </message>
    <message>
        <source>It uses a folder of its own instead, %1; the command line and panels find it through the data folder.</source>
        <translation>Em vez dela, ele usa uma pasta própria, %1; a linha de comando e os painéis a encontram por meio da pasta de dados.</translation>
    </message>
    <message>
        <source>The meter works, but the command line and panels cannot reach it: %1.</source>
        <translation>O contador funciona, mas a linha de comando e os painéis não conseguem acessá-lo: %1.</translation>
    </message>
    <message>
        <source>Some of your preferences in %1 could not be read; the file is left as it is.</source>
        <translation>Algumas das suas preferências em %1 não puderam ser lidas; o arquivo é mantido como está.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Linha %1: %2</translation>
    </message>
    <message>
        <source>... and %1 more lines.</source>
        <translation>... e mais %1 linhas.</translation>
    </message>
    <message>
        <source>%1. Your preferences take their defaults, and the file is left as it is.</source>
        <translation>%1. Suas preferências voltam aos valores padrão, e o arquivo é mantido como está.</translation>
    </message>
    <message>
        <source>Do you want to continue with your elapsed time of %1?</source>
        <translation>Deseja continuar com o tempo decorrido de %1?</translation>
    </message>
    <message>
        <source>It was counted on %1.</source>
        <translation>Ele foi contado em %1.</translation>
    </message>
    <message>
        <source>Continue Earnmeter</source>
        <translation>Continuar o Earnmeter</translation>
    </message>
    <message>
        <source>Do you want to save your elapsed time?</source>
        <translation>Deseja salvar o tempo decorrido?</translation>
    </message>
    <message>
        <source>Save Earnmeter Progress</source>
        <translation>Salvar o progresso do Earnmeter</translation>
    </message>
    <message>
        <source>is a symbolic link</source>
        <extracomment>Why a folder was not used: &quot;(reason: %2)&quot;.</extracomment>
        <translation>é um link simbólico</translation>
    </message>
    <message>
        <source>is not a folder</source>
        <translation>não é uma pasta</translation>
    </message>
    <message>
        <source>belongs to another user</source>
        <translation>pertence a outro usuário</translation>
    </message>
    <message>
        <source>may be entered by other users</source>
        <translation>outros usuários podem entrar nela</translation>
    </message>
    <message>
        <source>Minimum Wage</source>
        <translation>Salário mínimo</translation>
    </message>
    <message>
        <source>DREAM Wage</source>
        <translation>Salário DREAM</translation>
    </message>
    <message>
        <source>Minimize on Startup</source>
        <translation>Minimizar ao iniciar</translation>
    </message>
    <message>
        <source>Startup in Advanced Mode</source>
        <translation>Iniciar no modo avançado</translation>
    </message>
    <message>
        <source>Save Position on Exit</source>
        <translation>Salvar posição ao sair</translation>
    </message>
    <message>
        <source>yes or no</source>
        <extracomment>What a line of the preferences file should say: &quot;x = &quot;y&quot; is not %3&quot;.</extracomment>
        <translation>yes ou no</translation>
    </message>
    <message>
        <source>a time such as 09:00, or nothing</source>
        <translation>um horário como 09:00, ou nada</translation>
    </message>
    <message>
        <source>a time such as 17:00, or nothing</source>
        <translation>um horário como 17:00, ou nada</translation>
    </message>
    <message>
        <source>two times such as 12:00-12:30, or nothing</source>
        <translation>dois horários como 12:00-12:30, ou nada</translation>
    </message>
    <message>
        <source>a whole number of days from 1 to 7</source>
        <translation>um número inteiro de dias de 1 a 7</translation>
    </message>
    <message>
        <source>a whole number of minutes from 0 (never) to 1440</source>
        <translation>um número inteiro de minutos de 0 (nunca) a 1440</translation>
    </message>
    <message>
        <source>an amount above 0 such as 240.00, or nothing</source>
        <translation>um valor acima de 0 como 240.00, ou nada</translation>
    </message>
    <message>
        <source>ask, continue or zero</source>
        <translation>ask, continue ou zero</translation>
    </message>
    <message>
        <source>ask, keep or remove</source>
        <translation>ask, keep ou remove</translation>
    </message>
    <message>
        <source>day names such as Mon Tue Wed Thu Fri</source>
        <translation>uma lista de nomes de dias como Mon Tue Wed Thu Fri</translation>
    </message>
    <message>
        <source>hours above 0 up to 24, such as 8 or 7.5</source>
        <translation>um número de horas acima de 0 e até 24, como 8 ou 7.5</translation>
    </message>
    <message>
        <source>$, locale or a currency code such as EUR</source>
        <translation>$, locale ou um código de moeda como EUR</translation>
    </message>
    <message>
        <source>matched by a work_end</source>
        <translation>acompanhado de um work_end</translation>
    </message>
    <message>
        <source>matched by a work_start</source>
        <translation>acompanhado de um work_start</translation>
    </message>
    <message>
        <source>after work_start (%1)</source>
        <extracomment>%1 is the start of the working day: &quot;after work_start (09:00)&quot;.</extracomment>
        <translation>depois de work_start (%1)</translation>
    </message>
    <message>
        <source>a break that ends after it begins</source>
        <translation>um intervalo que termina depois de começar</translation>
    </message>
    <message>
        <source>within a working day (work_start and work_end)</source>
        <translation>dentro de uma jornada de trabalho (work_start e work_end)</translation>
    </message>
    <message>
        <source>within the working day (%1)</source>
        <extracomment>%1 is the working day: &quot;within the working day (09:00-17:00)&quot;.</extracomment>
        <translation>dentro da jornada de trabalho (%1)</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Earnmeter Options</source>
        <translation>Opções do Earnmeter</translation>
    </message>
    <message>
        <source>&amp;Minimum Wage $</source>
        <translation>Salário &amp;mínimo $</translation>
    </message>
    <message>
        <source>/hr</source>
        <translation>/h</translation>
    </message>
    <message>
        <source>&amp;DREAM Wage $</source>
        <translation>Salário &amp;DREAM $</translation>
    </message>
    <message>
        <source>Minimum wage in dollars per hour</source>
        <translation>Salário mínimo em dólares por hora</translation>
    </message>
    <message>
        <source>DREAM wage in dollars per hour</source>
        <translation>Salário DREAM em dólares por hora</translation>
    </message>
    <message>
        <source>Minimize on &amp;Startup?</source>
        <translation>Minimizar ao &amp;iniciar?</translation>
    </message>
    <message>
        <source>Startup in &amp;Advanced Mode?</source>
        <translation>Iniciar no modo &amp;avançado?</translation>
    </message>
    <message>
        <source>Save &amp;Position on Exit?</source>
        <translation>Salvar &amp;posição ao sair?</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Restore Defaults</source>
        <translation>&amp;Restaurar padrões</translation>
    </message>
    <message>
        <source>Minimize on startup</source>
        <translation>Minimizar ao iniciar</translation>
    </message>
    <message>
        <source>Startup in advanced mode</source>
        <translation>Iniciar no modo avançado</translation>
    </message>
    <message>
        <source>Save window positions on exit</source>
        <translation>Salvar as posições das janelas ao sair</translation>
    </message>
    <message>
        <source>Restore defaults</source>
        <translation>Restaurar padrões</translation>
    </message>
    <message>
        <source>Type mismatch: the amount is not a number. Enter digits with an optional point, such as 6.75.</source>
        <translation>Tipo incompatível: o valor não é um número. Digite algarismos com um ponto opcional, como 6.75.</translation>
    </message>
    <message>
        <source>Invalid floating-point operation: the amount cannot be computed.</source>
        <translation>Operação de ponto flutuante inválida: o valor não pode ser calculado.</translation>
    </message>
    <message>
        <source>Overflow: the amount is too large. Enter an amount below %1.</source>
        <translation>Estouro: o valor é grande demais. Digite um valor abaixo de %1.</translation>
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
        <translation>A cada 2 semanas</translation>
    </message>
    <message>
        <source>Semi-Monthly</source>
        <translation>Quinzenal</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensal</translation>
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
        <translation>às</translation>
    </message>
    <message>
        <source>Earnmeter Preferences</source>
        <translation>Preferências do Earnmeter</translation>
    </message>
    <message>
        <source>Wage and day</source>
        <translation>Salário e dia</translation>
    </message>
    <message>
        <source>&amp;Remember the wage from one run to the next</source>
        <translation>&amp;Lembrar o salário de uma execução para a outra</translation>
    </message>
    <message>
        <source>At exit the wage boxes are kept, and the next start fills them in again.</source>
        <translation>Ao sair, os campos de salário são guardados e, na próxima inicialização, preenchidos novamente.</translation>
    </message>
    <message>
        <source>Ask whether to continue with it</source>
        <translation>Perguntar se deve continuar com ele</translation>
    </message>
    <message>
        <source>Continue without asking</source>
        <translation>Continuar sem perguntar</translation>
    </message>
    <message>
        <source>Start from zero</source>
        <translation>Começar do zero</translation>
    </message>
    <message>
        <source>A count from an earlier day</source>
        <translation>Contador de um dia anterior</translation>
    </message>
    <message>
        <source>What start-up does with an elapsed time saved on an earlier day.</source>
        <translation>O que fazer, ao iniciar, com um tempo decorrido salvo em um dia anterior.</translation>
    </message>
    <message>
        <source>A count from an &amp;earlier day:</source>
        <translation>Contador de um dia &amp;anterior:</translation>
    </message>
    <message>
        <source>Working day</source>
        <translation>Jornada de trabalho</translation>
    </message>
    <message>
        <source>&amp;Start the meter when the working day begins</source>
        <translation>Iniciar o &amp;contador quando a jornada de trabalho começar</translation>
    </message>
    <message>
        <source>Otherwise a notification offers to start it.</source>
        <translation>Caso contrário, uma notificação oferece iniciá-lo.</translation>
    </message>
    <message>
        <source>Pa&amp;use it for the break and at the day&apos;s end</source>
        <translation>Pa&amp;usá-lo no intervalo e no fim da jornada</translation>
    </message>
    <message>
        <source>Otherwise a notification says the meter is still counting.</source>
        <translation>Caso contrário, uma notificação avisa que o contador ainda está contando.</translation>
    </message>
    <message>
        <source>Start Earnmeter when I &amp;log in</source>
        <translation>Iniciar o Earnmeter ao &amp;entrar na sessão</translation>
    </message>
    <message>
        <source>Show &amp;notifications</source>
        <translation>Mostrar &amp;notificações</translation>
    </message>
    <message>
        <source>At the working day&apos;s edges and when the daily goal is reached.</source>
        <translation>No início e no fim da jornada de trabalho e quando a meta diária for atingida.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhuma</translation>
    </message>
    <message>
        <source>Daily goal in dollars</source>
        <translation>Meta diária em dólares</translation>
    </message>
    <message>
        <source>Empty for none.</source>
        <translation>Vazio para nenhuma meta.</translation>
    </message>
    <message>
        <source>Daily &amp;goal: $</source>
        <translation>&amp;Meta diária: $</translation>
    </message>
    <message>
        <source>Follow a &amp;working day from</source>
        <translation>Seguir uma &amp;jornada de trabalho das</translation>
    </message>
    <message>
        <source>The working day begins at</source>
        <translation>A jornada de trabalho começa às</translation>
    </message>
    <message>
        <source>The working day ends at</source>
        <translation>A jornada de trabalho termina às</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Nos dias</translation>
    </message>
    <message>
        <source>With a &amp;break from</source>
        <translation>Com um &amp;intervalo das</translation>
    </message>
    <message>
        <source>The break begins at</source>
        <translation>O intervalo começa às</translation>
    </message>
    <message>
        <source>The break ends at</source>
        <translation>O intervalo termina às</translation>
    </message>
    <message>
        <source>Restore &amp;Defaults</source>
        <translation>&amp;Restaurar padrões</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Ausência</translation>
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
        <translation>Ausente após inatividade, em minutos</translation>
    </message>
    <message>
        <source>Never: neither idle time nor a locked screen nor a suspend counts you away.</source>
        <translation>Nunca: nem a inatividade, nem a tela bloqueada, nem a suspensão fazem você ser considerado ausente.</translation>
    </message>
    <message>
        <source>Count me away after no &amp;input for:</source>
        <translation>Considerar-me au&amp;sente após inatividade de:</translation>
    </message>
    <message>
        <source>Ask whether to keep the time</source>
        <translation>Perguntar se o tempo deve ser mantido</translation>
    </message>
    <message>
        <source>Keep the time</source>
        <translation>Manter o tempo</translation>
    </message>
    <message>
        <source>Take the time off the count</source>
        <translation>Descontar o tempo do contador</translation>
    </message>
    <message>
        <source>On my return</source>
        <translation>Ao voltar</translation>
    </message>
    <message>
        <source>On my re&amp;turn:</source>
        <translation>Ao &amp;voltar:</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Dinheiro</translation>
    </message>
    <message>
        <source>$ (as Earnmeter has always shown it)</source>
        <translation>$ (como o Earnmeter sempre mostrou)</translation>
    </message>
    <message>
        <source>Regional currency (locale)</source>
        <translation>Moeda regional (localidade)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A currency in the list: its ISO code and its symbol, &quot;EUR (€)&quot;.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Moeda</translation>
    </message>
    <message>
        <source>The currency every amount is shown in, as the region writes it.</source>
        <translation>A moeda em que todos os valores são mostrados, no formato da região.</translation>
    </message>
    <message>
        <source>Currenc&amp;y:</source>
        <translation>Moe&amp;da:</translation>
    </message>
    <message>
        <source>This desktop tells neither idle time nor the lock: time away is not noticed.</source>
        <translation>Este ambiente de trabalho não informa nem a inatividade nem o bloqueio de tela: o tempo de ausência não é detectado.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the last two ways</comment>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Noticed through %1.</source>
        <translation>Detectado por meio de %1.</translation>
    </message>
    <message>
        <source>The break must end after it begins, within the working day.</source>
        <translation>O intervalo deve terminar depois de começar, dentro da jornada de trabalho.</translation>
    </message>
    <message>
        <source>The working day must end after it begins.</source>
        <translation>A jornada de trabalho deve terminar depois de começar.</translation>
    </message>
    <message>
        <source>The daily goal must be an amount above 0, such as 240.00, or empty for none.</source>
        <translation>A meta diária deve ser um valor acima de 0, como 240.00, ou ficar vazia para nenhuma meta.</translation>
    </message>
    <message>
        <source>Working week</source>
        <translation>Semana de trabalho</translation>
    </message>
    <message>
        <source>&amp;Hours a day:</source>
        <translation>&amp;Horas por dia:</translation>
    </message>
    <message>
        <source>Hours worked a day</source>
        <translation>Horas trabalhadas por dia</translation>
    </message>
    <message>
        <source>Days a wee&amp;k:</source>
        <translation>Dias &amp;por semana:</translation>
    </message>
    <message>
        <source>Days worked a week</source>
        <translation>Dias trabalhados por semana</translation>
    </message>
    <message>
        <source>The advanced window converts a pay period into an hourly wage on these.</source>
        <translation>O modo avançado usa estes valores para converter um período de pagamento em salário por hora.</translation>
    </message>
</context>
<context>
    <name>SysTray</name>
    <message>
        <source>&amp;Popup</source>
        <translation>&amp;Menu</translation>
    </message>
</context>
<context>
    <name>TrayHost</name>
    <message>
        <source>&amp;Open Earnmeter...</source>
        <translation>&amp;Abrir o Earnmeter...</translation>
    </message>
    <message>
        <source>&amp;Start Timer</source>
        <translation>&amp;Iniciar contador</translation>
    </message>
    <message>
        <source>&amp;Pause Timer</source>
        <translation>&amp;Pausar contador</translation>
    </message>
    <message>
        <source>&amp;E-Mail Dorvan</source>
        <translation>&amp;E-mail para Dorvan</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Sobre...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
</context>
<context>
    <name>WindowMenus</name>
    <message>
        <source>Elapsed &amp;Time</source>
        <translation>&amp;Tempo decorrido</translation>
    </message>
    <message>
        <source>Calculated &amp;Wage</source>
        <translation>&amp;Salário calculado</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Reset Timer...</source>
        <translation>&amp;Zerar contador...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opções...</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Preferências...</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Histórico...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Copy to Clipboard</source>
        <translation>&amp;Copiar para a área de transferência</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;E-Mail Dorvan</source>
        <translation>&amp;E-mail para Dorvan</translation>
    </message>
    <message>
        <source>Visit &amp;Webpage</source>
        <translation>Visitar página &amp;web</translation>
    </message>
    <message>
        <source>&amp;Donate Information</source>
        <translation>Informações de &amp;doação</translation>
    </message>
    <message>
        <source>&amp;Help and Readme</source>
        <translation>&amp;Ajuda e Leia-me</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Sobre...</translation>
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
        <translation>São %1: o Earnmeter começou a contar sua jornada de trabalho.</translation>
    </message>
    <message>
        <source>It is %1: start Earnmeter?</source>
        <translation>São %1: iniciar o Earnmeter?</translation>
    </message>
    <message>
        <source>Your break began at %1: Earnmeter paused.</source>
        <translation>Seu intervalo começou às %1: o Earnmeter foi pausado.</translation>
    </message>
    <message>
        <source>Your break began at %1. Earnmeter is still counting.</source>
        <translation>Seu intervalo começou às %1. O Earnmeter continua contando.</translation>
    </message>
    <message>
        <source>Your break ended at %1: Earnmeter counts again.</source>
        <translation>Seu intervalo terminou às %1: o Earnmeter voltou a contar.</translation>
    </message>
    <message>
        <source>Your working day ended at %1: Earnmeter paused.</source>
        <translation>Sua jornada de trabalho terminou às %1: o Earnmeter foi pausado.</translation>
    </message>
    <message>
        <source>Your working day ended at %1. Earnmeter is still counting.</source>
        <translation>Sua jornada de trabalho terminou às %1. O Earnmeter continua contando.</translation>
    </message>
    <message>
        <source>You reached today&apos;s goal of %1 at %2.</source>
        <translation>Você atingiu a meta diária de %1 às %2.</translation>
    </message>
</context>
<context>
    <name>WorkingWindow</name>
    <message>
        <source>Elapsed time</source>
        <translation>Tempo decorrido</translation>
    </message>
    <message>
        <source>Money earned</source>
        <translation>Dinheiro ganho</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Advanced mode</source>
        <translation>Modo avançado</translation>
    </message>
</context>
</TS>
