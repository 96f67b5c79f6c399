<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About Earnmeter</source>
        <translation>Über Earnmeter</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>Program information</source>
        <translation>Programminformationen</translation>
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
        <translation>„Wie viel Geld haben Sie heute verdient?“</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>by Dorvan Quellis</source>
        <translation>von Dorvan Quellis</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Spenden</translation>
    </message>
    <message>
        <source>Opens the web page</source>
        <translation>Öffnet die Webseite</translation>
    </message>
    <message>
        <source>Writes a support e-mail</source>
        <translation>Schreibt eine Support-E-Mail</translation>
    </message>
    <message>
        <source>Opens the donation page</source>
        <translation>Öffnet die Spendenseite</translation>
    </message>
    <message>
        <source>Written by Dorvan Quellis</source>
        <translation>Geschrieben von Dorvan Quellis</translation>
    </message>
</context>
<context>
    <name>AdvancedWindow</name>
    <message>
        <source>My &amp;Wage $</source>
        <translation>Mein &amp;Lohn $</translation>
    </message>
    <message>
        <source>My wage per pay period</source>
        <translation>Mein Lohn pro Abrechnungszeitraum</translation>
    </message>
    <message>
        <source>My wage amount in dollars</source>
        <translation>Mein Lohnbetrag in Dollar</translation>
    </message>
    <message>
        <source>Pay period</source>
        <translation>Abrechnungszeitraum</translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation>O&amp;K</translation>
    </message>
    <message>
        <source>&amp;START</source>
        <translation>&amp;START</translation>
    </message>
    <message>
        <source>&amp;PAUSE</source>
        <translation>&amp;PAUSE</translation>
    </message>
    <message>
        <source>&amp;Advanced Mode</source>
        <translation>&amp;Erweiterter Modus</translation>
    </message>
    <message>
        <source>Current Wage</source>
        <translation>Aktueller Lohn</translation>
    </message>
    <message>
        <source>Elapsed Time</source>
        <translation>Verstrichene Zeit</translation>
    </message>
    <message>
        <source>Convert the pay period</source>
        <translation>Abrechnungszeitraum umrechnen</translation>
    </message>
    <message>
        <source>Current hourly wage</source>
        <translation>Aktueller Stundenlohn</translation>
    </message>
    <message>
        <source>&amp;Minimum Wage</source>
        <translation>&amp;Mindestlohn</translation>
    </message>
    <message>
        <source>&amp;DREAM Wage</source>
        <translation>DREAM-L&amp;ohn</translation>
    </message>
    <message>
        <source>Minimum Wage  %1</source>
        <translation>Mindestlohn  %1</translation>
    </message>
    <message>
        <source>DREAM Wage  %1</source>
        <translation>DREAM-Lohn  %1</translation>
    </message>
    <message>
        <source>Earnmeter assumes %1 hours/day and %2 days/week.</source>
        <translation>Earnmeter rechnet mit %1 Stunden pro Tag und %2 Tagen pro Woche.</translation>
    </message>
</context>
<context>
    <name>AwayHost</name>
    <message>
        <source>%1 The time was kept.</source>
        <translation>%1 Die Zeit wurde beibehalten.</translation>
    </message>
    <message>
        <source>%1 %2 was taken off the count.</source>
        <translation>%1 Die Zeit %2 wurde vom Zähler abgezogen.</translation>
    </message>
    <message>
        <source>Welcome back</source>
        <translation>Willkommen zurück</translation>
    </message>
    <message>
        <source>&amp;Keep</source>
        <translation>&amp;Behalten</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Abziehen</translation>
    </message>
    <message>
        <source>Remove and &amp;Pause</source>
        <translation>Abziehen und &amp;pausieren</translation>
    </message>
    <message>
        <source>You were away from %1 to %2 (%3) while Earnmeter was counting.</source>
        <translation>Sie waren von %1 bis %2 (%3) abwesend, während Earnmeter zählte.</translation>
    </message>
</context>
<context>
    <name>AwayWays</name>
    <message>
        <source>the X server&apos;s idle time</source>
        <translation>die Leerlaufzeit des X-Servers</translation>
    </message>
    <message>
        <source>GNOME&apos;s idle monitor</source>
        <translation>den Leerlaufmonitor von GNOME</translation>
    </message>
    <message>
        <source>the screen lock</source>
        <translation>die Bildschirmsperre</translation>
    </message>
    <message>
        <source>suspend and resume</source>
        <translation>den Bereitschaftsmodus und das Aufwachen</translation>
    </message>
    <message>
        <source>the compositor&apos;s idle time (ext-idle-notify-v1)</source>
        <translation>die Leerlaufzeit des Compositors (ext-idle-notify-v1)</translation>
    </message>
    <message>
        <source>the compositor&apos;s idle time (org_kde_kwin_idle)</source>
        <translation>die Leerlaufzeit des Compositors (org_kde_kwin_idle)</translation>
    </message>
</context>
<context>
    <name>ChosenMoney</name>
    <message>
        <source>(%1)/hr</source>
        <extracomment>A configured hourly rate in the advanced window&apos;s option captions: &quot;(12,50 €)/hr&quot;.</extracomment>
        <translation>(%1)/Std.</translation>
    </message>
</context>
<context>
    <name>DayWords</name>
    <message>
        <source>Today %1 in %2</source>
        <comment>money, time</comment>
        <translation>Heute %1 in %2</translation>
    </message>
    <message>
        <source>Today (without the history) %1 in %2</source>
        <comment>money, time</comment>
        <translation>Heute (ohne Verlauf) %1 in %2</translation>
    </message>
    <message>
        <source>Ends in %1</source>
        <comment>the working day</comment>
        <translation>Arbeitstag endet in %1</translation>
    </message>
    <message>
        <source>%1 % of today&apos;s goal %2</source>
        <translation>%1 % des Tagesziels von %2</translation>
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
        <translation>Möchten Sie den Zähler auf null zurücksetzen?</translation>
    </message>
    <message>
        <source>Reset Earnmeter</source>
        <translation>Earnmeter zurücksetzen</translation>
    </message>
    <message>
        <source>PAUSED (Earnmeter)</source>
        <extracomment>The main window&apos;s caption while paused.</extracomment>
        <translation>PAUSIERT (Earnmeter)</translation>
    </message>
    <message>
        <source>Earnmeter (PAUSED)</source>
        <extracomment>The advanced window&apos;s caption while paused.</extracomment>
        <translation>Earnmeter (PAUSIERT)</translation>
    </message>
    <message>
        <source>The wage &quot;%1&quot; is too large to count with. Enter an amount of at most %2; the previous wage stays in force.</source>
        <extracomment>%1 is what was typed, %2 the largest amount.</extracomment>
        <translation>Der Lohn „%1“ ist zu hoch, um damit zu zählen. Geben Sie höchstens %2 ein; der bisherige Lohn bleibt gültig.</translation>
    </message>
    <message>
        <source>The wage &quot;%1&quot; is too large to count with. Enter an amount of at most %2 (%3); the previous wage stays in force.</source>
        <extracomment>%1 is what was typed, %2 the largest amount, %3 the pay period it is paid for.</extracomment>
        <translation>Der Lohn „%1“ ist zu hoch, um damit zu zählen. Geben Sie höchstens %2 (%3) ein; der bisherige Lohn bleibt gültig.</translation>
    </message>
</context>
<context>
    <name>HistoryChart</name>
    <message>
        <source>Earnings chart</source>
        <translation>Verdienstdiagramm</translation>
    </message>
    <message>
        <source>The same figures are listed in the table below.</source>
        <translation>Dieselben Werte stehen in der Tabelle darunter.</translation>
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
        <translation>Heute</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Diese Woche</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>Dieser Monat</translation>
    </message>
    <message>
        <source>This year</source>
        <translation>Dieses Jahr</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>Insgesamt</translation>
    </message>
    <message>
        <source>Earnmeter History</source>
        <translation>Earnmeter-Verlauf</translation>
    </message>
    <message>
        <source>Export &amp;CSV...</source>
        <translation>Als &amp;CSV exportieren...</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>Letzte 30 Tage</translation>
    </message>
    <message>
        <source>Last 12 weeks</source>
        <translation>Letzte 12 Wochen</translation>
    </message>
    <message>
        <source>Last 12 months</source>
        <translation>Letzte 12 Monate</translation>
    </message>
    <message>
        <source>Chart span</source>
        <translation>Diagrammzeitraum</translation>
    </message>
    <message>
        <source>&amp;Show days without earnings</source>
        <translation>&amp;Tage ohne Verdienst anzeigen</translation>
    </message>
    <message>
        <source>Earnings per period, newest first</source>
        <translation>Verdienst pro Zeitraum, neueste zuerst</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>Earned</source>
        <translation>Verdient</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>%1: %2 in %3</source>
        <comment>a period, its earnings and time</comment>
        <translation>%1: %2 in %3</translation>
    </message>
</context>
<context>
    <name>Host</name>
    <message>
        <source>Earnmeter&apos;s start at login could not be changed: %1.</source>
        <translation>Der Start von Earnmeter bei der Anmeldung konnte nicht geändert werden: %1.</translation>
    </message>
    <message>
        <source>The elapsed time goes on counting; it will be saved again in five minutes.</source>
        <translation>Die verstrichene Zeit wird weitergezählt; in fünf Minuten wird erneut versucht, sie zu speichern.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Elapsed Time</source>
        <translation>Verstrichene Zeit</translation>
    </message>
    <message>
        <source>My Hourly &amp;Wage: $</source>
        <translation>Mein Stunden&amp;lohn: $</translation>
    </message>
    <message>
        <source>&amp;START</source>
        <translation>&amp;START</translation>
    </message>
    <message>
        <source>&amp;PAUSE</source>
        <translation>&amp;PAUSE</translation>
    </message>
    <message>
        <source>&amp;Advanced Mode</source>
        <translation>&amp;Erweiterter Modus</translation>
    </message>
    <message>
        <source>My hourly wage in dollars</source>
        <translation>Mein Stundenlohn in Dollar</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>&quot;%1&quot; is not a &quot;key = value&quot; line; it is ignored.</source>
        <translation>„%1“ ist keine Zeile der Form „key = value“; sie wird ignoriert.</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no value</comment>
        <translation>kein Wert</translation>
    </message>
    <message>
        <source>%1 = &quot;%2&quot; is not %3; %4 is used instead.</source>
        <translation>%1 = „%2“ ist ungültig (erwartet: %3); stattdessen wird %4 verwendet.</translation>
    </message>
    <message>
        <source>End of %1 file reached.</source>
        <translation>Ende der Datei %1 erreicht.</translation>
    </message>
    <message>
        <source>Your software has been updated to version %1. Click OK to continue.</source>
        <translation>Ihre Software wurde auf Version %1 aktualisiert. Klicken Sie auf „OK“, um fortzufahren.</translation>
    </message>
    <message>
        <source>Earnmeter Update</source>
        <translation>Earnmeter-Aktualisierung</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>%1 will be recreated now. Please launch the software again.</source>
        <translation>%1 wird jetzt neu erstellt. Bitte starten Sie die Software erneut.</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>%1. Nothing could be read from it: the settings take their defaults, and the file is left unchanged.</source>
        <translation>%1. Daraus konnte nichts gelesen werden: Die Optionen werden auf ihre Standardwerte gesetzt, und die Datei bleibt unverändert.</translation>
    </message>
    <message>
        <source>%1. Read from it: %2. The other settings take their defaults, and the file is left unchanged.</source>
        <translation>%1. Daraus gelesen: %2. Die übrigen Optionen werden auf ihre Standardwerte gesetzt, und die Datei bleibt unverändert.</translation>
    </message>
    <message>
        <source>Earnmeter did not use the folder %1 for its control channel: it %2, so another user could listen in or shut the command line out.</source>
        <translation>Earnmeter hat den Ordner %1 nicht für seinen Steuerkanal verwendet (Grund: %2), da sonst ein anderer Benutzer mithören oder die Befehlszeile blockieren könnte.</translation>
    </message>
    <message>
        <source>It uses a folder of its own instead, %1; the command line and panels find it through the data folder.</source>
        <translation>Stattdessen verwendet es einen eigenen Ordner, %1; Befehlszeile und Panels finden ihn über den Datenordner.</translation>
    </message>
    <message>
        <source>The meter works, but the command line and panels cannot reach it: %1.</source>
        <translation>Der Zähler funktioniert, aber Befehlszeile und Panels können ihn nicht erreichen: %1.</translation>
    </message>
    <message>
        <source>Some of your preferences in %1 could not be read; the file is left as it is.</source>
        <translation>Einige Ihrer Einstellungen in %1 konnten nicht gelesen werden; die Datei bleibt unverändert.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>... and %1 more lines.</source>
        <translation>... und %1 weitere Zeilen.</translation>
    </message>
    <message>
        <source>%1. Your preferences take their defaults, and the file is left as it is.</source>
        <translation>%1. Ihre Einstellungen werden auf die Standardwerte gesetzt, und die Datei bleibt unverändert.</translation>
    </message>
    <message>
        <source>Do you want to continue with your elapsed time of %1?</source>
        <translation>Möchten Sie mit Ihrer verstrichenen Zeit von %1 fortfahren?</translation>
    </message>
    <message>
        <source>It was counted on %1.</source>
        <translation>Sie wurde am %1 gezählt.</translation>
    </message>
    <message>
        <source>Continue Earnmeter</source>
        <translation>Earnmeter fortsetzen</translation>
    </message>
    <message>
        <source>Do you want to save your elapsed time?</source>
        <translation>Möchten Sie Ihre verstrichene Zeit speichern?</translation>
    </message>
    <message>
        <source>Save Earnmeter Progress</source>
        <translation>Earnmeter-Fortschritt speichern</translation>
    </message>
    <message>
        <source>is a symbolic link</source>
        <extracomment>Why a folder was not used: &quot;(reason: %2)&quot;.</extracomment>
        <translation>er ist eine symbolische Verknüpfung</translation>
    </message>
    <message>
        <source>is not a folder</source>
        <translation>er ist kein Ordner</translation>
    </message>
    <message>
        <source>belongs to another user</source>
        <translation>er gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>may be entered by other users</source>
        <translation>andere Benutzer können darauf zugreifen</translation>
    </message>
    <message>
        <source>Minimum Wage</source>
        <translation>Mindestlohn</translation>
    </message>
    <message>
        <source>DREAM Wage</source>
        <translation>DREAM-Lohn</translation>
    </message>
    <message>
        <source>Minimize on Startup</source>
        <translation>Beim Start minimieren</translation>
    </message>
    <message>
        <source>Startup in Advanced Mode</source>
        <translation>Im erweiterten Modus starten</translation>
    </message>
    <message>
        <source>Save Position on Exit</source>
        <translation>Position beim Beenden merken</translation>
    </message>
    <message>
        <source>yes or no</source>
        <extracomment>What a line of the preferences file should say: &quot;x = &quot;y&quot; is not %3&quot;.</extracomment>
        <translation>yes oder no</translation>
    </message>
    <message>
        <source>a time such as 09:00, or nothing</source>
        <translation>eine Uhrzeit wie 09:00 oder nichts</translation>
    </message>
    <message>
        <source>a time such as 17:00, or nothing</source>
        <translation>eine Uhrzeit wie 17:00 oder nichts</translation>
    </message>
    <message>
        <source>two times such as 12:00-12:30, or nothing</source>
        <translation>zwei Uhrzeiten wie 12:00-12:30 oder nichts</translation>
    </message>
    <message>
        <source>a whole number of days from 1 to 7</source>
        <translation>eine ganze Zahl von 1 bis 7 (Tage)</translation>
    </message>
    <message>
        <source>a whole number of minutes from 0 (never) to 1440</source>
        <translation>eine ganze Zahl von 0 (nie) bis 1440 (Minuten)</translation>
    </message>
    <message>
        <source>an amount above 0 such as 240.00, or nothing</source>
        <translation>ein Betrag über 0 wie 240.00 oder nichts</translation>
    </message>
    <message>
        <source>ask, continue or zero</source>
        <translation>ask, continue oder zero</translation>
    </message>
    <message>
        <source>ask, keep or remove</source>
        <translation>ask, keep oder remove</translation>
    </message>
    <message>
        <source>day names such as Mon Tue Wed Thu Fri</source>
        <translation>eine Liste von Tagesnamen wie Mon Tue Wed Thu Fri</translation>
    </message>
    <message>
        <source>hours above 0 up to 24, such as 8 or 7.5</source>
        <translation>eine Stundenzahl über 0 bis höchstens 24, wie 8 oder 7.5</translation>
    </message>
    <message>
        <source>$, locale or a currency code such as EUR</source>
        <translation>$, locale oder ein Währungscode wie EUR</translation>
    </message>
    <message>
        <source>matched by a work_end</source>
        <translation>ein passendes work_end</translation>
    </message>
    <message>
        <source>matched by a work_start</source>
        <translation>ein passendes work_start</translation>
    </message>
    <message>
        <source>after work_start (%1)</source>
        <extracomment>%1 is the start of the working day: &quot;after work_start (09:00)&quot;.</extracomment>
        <translation>nach work_start (%1)</translation>
    </message>
    <message>
        <source>a break that ends after it begins</source>
        <translation>eine Arbeitspause, die nach ihrem Beginn endet</translation>
    </message>
    <message>
        <source>within a working day (work_start and work_end)</source>
        <translation>innerhalb eines Arbeitstags (work_start und work_end)</translation>
    </message>
    <message>
        <source>within the working day (%1)</source>
        <extracomment>%1 is the working day: &quot;within the working day (09:00-17:00)&quot;.</extracomment>
        <translation>innerhalb des Arbeitstags (%1)</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Earnmeter Options</source>
        <translation>Earnmeter-Optionen</translation>
    </message>
    <message>
        <source>&amp;Minimum Wage $</source>
        <translation>&amp;Mindestlohn $</translation>
    </message>
    <message>
        <source>/hr</source>
        <translation>/Std.</translation>
    </message>
    <message>
        <source>&amp;DREAM Wage $</source>
        <translation>&amp;DREAM-Lohn $</translation>
    </message>
    <message>
        <source>Minimum wage in dollars per hour</source>
        <translation>Mindestlohn in Dollar pro Stunde</translation>
    </message>
    <message>
        <source>DREAM wage in dollars per hour</source>
        <translation>DREAM-Lohn in Dollar pro Stunde</translation>
    </message>
    <message>
        <source>Minimize on &amp;Startup?</source>
        <translation>Beim &amp;Start minimieren?</translation>
    </message>
    <message>
        <source>Startup in &amp;Advanced Mode?</source>
        <translation>Im &amp;erweiterten Modus starten?</translation>
    </message>
    <message>
        <source>Save &amp;Position on Exit?</source>
        <translation>&amp;Position beim Beenden merken?</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Restore Defaults</source>
        <translation>Standard&amp;werte</translation>
    </message>
    <message>
        <source>Minimize on startup</source>
        <translation>Beim Start minimieren</translation>
    </message>
    <message>
        <source>Startup in advanced mode</source>
        <translation>Im erweiterten Modus starten</translation>
    </message>
    <message>
        <source>Save window positions on exit</source>
        <translation>Fensterpositionen beim Beenden merken</translation>
    </message>
    <message>
        <source>Restore defaults</source>
        <translation>Standardwerte wiederherstellen</translation>
    </message>
    <message>
        <source>Type mismatch: the amount is not a number. Enter digits with an optional point, such as 6.75.</source>
        <translation>Typenkonflikt: Der Betrag ist keine Zahl. Geben Sie Ziffern mit optionalem Punkt ein, z. B. 6.75.</translation>
    </message>
    <message>
        <source>Invalid floating-point operation: the amount cannot be computed.</source>
        <translation>Ungültige Gleitkommaoperation: Der Betrag kann nicht berechnet werden.</translation>
    </message>
    <message>
        <source>Overflow: the amount is too large. Enter an amount below %1.</source>
        <translation>Überlauf: Der Betrag ist zu groß. Geben Sie einen Betrag unter %1 ein.</translation>
    </message>
</context>
<context>
    <name>PayPeriod</name>
    <message>
        <source>Hourly</source>
        <translation>Stündlich</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Wöchentlich</translation>
    </message>
    <message>
        <source>Bi-Weekly</source>
        <translation>Zweiwöchentlich</translation>
    </message>
    <message>
        <source>Semi-Monthly</source>
        <translation>Halbmonatlich</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Monatlich</translation>
    </message>
    <message>
        <source>Annually</source>
        <translation>Jährlich</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>Earnmeter Preferences</source>
        <translation>Earnmeter-Einstellungen</translation>
    </message>
    <message>
        <source>Wage and day</source>
        <translation>Lohn und Tag</translation>
    </message>
    <message>
        <source>&amp;Remember the wage from one run to the next</source>
        <translation>Lohn bis zum nächsten Programmstart &amp;merken</translation>
    </message>
    <message>
        <source>At exit the wage boxes are kept, and the next start fills them in again.</source>
        <translation>Beim Beenden werden die Lohnfelder gespeichert und beim nächsten Start wieder ausgefüllt.</translation>
    </message>
    <message>
        <source>Ask whether to continue with it</source>
        <translation>Fragen, ob weitergezählt werden soll</translation>
    </message>
    <message>
        <source>Continue without asking</source>
        <translation>Ohne Nachfrage weiterzählen</translation>
    </message>
    <message>
        <source>Start from zero</source>
        <translation>Bei null beginnen</translation>
    </message>
    <message>
        <source>A count from an earlier day</source>
        <translation>Zählerstand von einem früheren Tag</translation>
    </message>
    <message>
        <source>What start-up does with an elapsed time saved on an earlier day.</source>
        <translation>Was beim Programmstart mit einer verstrichenen Zeit geschieht, die an einem früheren Tag gespeichert wurde.</translation>
    </message>
    <message>
        <source>A count from an &amp;earlier day:</source>
        <translation>Zählerstand von einem &amp;früheren Tag:</translation>
    </message>
    <message>
        <source>Working day</source>
        <translation>Arbeitstag</translation>
    </message>
    <message>
        <source>&amp;Start the meter when the working day begins</source>
        <translation>Zähler zu Beginn des Arbeitstags &amp;starten</translation>
    </message>
    <message>
        <source>Otherwise a notification offers to start it.</source>
        <translation>Andernfalls bietet eine Benachrichtigung an, ihn zu starten.</translation>
    </message>
    <message>
        <source>Pa&amp;use it for the break and at the day&apos;s end</source>
        <translation>In der Arbeitspause und am Tagesende pa&amp;usieren</translation>
    </message>
    <message>
        <source>Otherwise a notification says the meter is still counting.</source>
        <translation>Andernfalls meldet eine Benachrichtigung, dass der Zähler weiterläuft.</translation>
    </message>
    <message>
        <source>Start Earnmeter when I &amp;log in</source>
        <translation>Earnmeter bei der &amp;Anmeldung starten</translation>
    </message>
    <message>
        <source>Show &amp;notifications</source>
        <translation>&amp;Benachrichtigungen anzeigen</translation>
    </message>
    <message>
        <source>At the working day&apos;s edges and when the daily goal is reached.</source>
        <translation>Zu Beginn und Ende des Arbeitstags und der Arbeitspause sowie beim Erreichen des Tagesziels.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keines</translation>
    </message>
    <message>
        <source>Daily goal in dollars</source>
        <translation>Tagesziel in Dollar</translation>
    </message>
    <message>
        <source>Empty for none.</source>
        <translation>Leer lassen für kein Tagesziel.</translation>
    </message>
    <message>
        <source>Daily &amp;goal: $</source>
        <translation>Tages&amp;ziel: $</translation>
    </message>
    <message>
        <source>Follow a &amp;working day from</source>
        <translation>Arbeits&amp;tag von</translation>
    </message>
    <message>
        <source>The working day begins at</source>
        <translation>Der Arbeitstag beginnt um</translation>
    </message>
    <message>
        <source>The working day ends at</source>
        <translation>Der Arbeitstag endet um</translation>
    </message>
    <message>
        <source>On</source>
        <translation>An folgenden Tagen</translation>
    </message>
    <message>
        <source>With a &amp;break from</source>
        <translation>Mit Arbeits&amp;pause von</translation>
    </message>
    <message>
        <source>The break begins at</source>
        <translation>Die Arbeitspause beginnt um</translation>
    </message>
    <message>
        <source>The break ends at</source>
        <translation>Die Arbeitspause endet um</translation>
    </message>
    <message>
        <source>Restore &amp;Defaults</source>
        <translation>Stan&amp;dardwerte</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Abwesenheit</translation>
    </message>
    <message>
        <source> minutes</source>
        <translation> Minuten</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>Away after no input for, in minutes</source>
        <translation>Minuten ohne Eingabe, nach denen Sie als abwesend gelten</translation>
    </message>
    <message>
        <source>Never: neither idle time nor a locked screen nor a suspend counts you away.</source>
        <translation>Nie: Weder Leerlauf noch gesperrter Bildschirm noch Ruhezustand lassen Sie als abwesend gelten.</translation>
    </message>
    <message>
        <source>Count me away after no &amp;input for:</source>
        <translation>Abwesend nach &amp;Inaktivität von:</translation>
    </message>
    <message>
        <source>Ask whether to keep the time</source>
        <translation>Fragen, ob die Zeit behalten werden soll</translation>
    </message>
    <message>
        <source>Keep the time</source>
        <translation>Zeit behalten</translation>
    </message>
    <message>
        <source>Take the time off the count</source>
        <translation>Zeit vom Zähler abziehen</translation>
    </message>
    <message>
        <source>On my return</source>
        <translation>Bei meiner Rückkehr</translation>
    </message>
    <message>
        <source>On my re&amp;turn:</source>
        <translation>Bei meiner &amp;Rückkehr:</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Geld</translation>
    </message>
    <message>
        <source>$ (as Earnmeter has always shown it)</source>
        <translation>$ (wie Earnmeter es immer angezeigt hat)</translation>
    </message>
    <message>
        <source>Regional currency (locale)</source>
        <translation>Regionale Währung (Gebietsschema)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A currency in the list: its ISO code and its symbol, &quot;EUR (€)&quot;.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Währung</translation>
    </message>
    <message>
        <source>The currency every amount is shown in, as the region writes it.</source>
        <translation>Die Währung, in der alle Beträge angezeigt werden, in der Schreibweise der Region.</translation>
    </message>
    <message>
        <source>Currenc&amp;y:</source>
        <translation>&amp;Währung:</translation>
    </message>
    <message>
        <source>This desktop tells neither idle time nor the lock: time away is not noticed.</source>
        <translation>Diese Arbeitsumgebung meldet weder Leerlauf noch Bildschirmsperre: Abwesenheit wird nicht bemerkt.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the last two ways</comment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Noticed through %1.</source>
        <translation>Bemerkt über %1.</translation>
    </message>
    <message>
        <source>The break must end after it begins, within the working day.</source>
        <translation>Die Arbeitspause muss nach ihrem Beginn enden und innerhalb des Arbeitstags liegen.</translation>
    </message>
    <message>
        <source>The working day must end after it begins.</source>
        <translation>Der Arbeitstag muss nach seinem Beginn enden.</translation>
    </message>
    <message>
        <source>The daily goal must be an amount above 0, such as 240.00, or empty for none.</source>
        <translation>Das Tagesziel muss ein Betrag über 0 sein, z. B. 240.00, oder leer bleiben, wenn es keines geben soll.</translation>
    </message>
    <message>
        <source>Working week</source>
        <translation>Arbeitswoche</translation>
    </message>
    <message>
        <source>&amp;Hours a day:</source>
        <translation>Stunden &amp;je Tag:</translation>
    </message>
    <message>
        <source>Hours worked a day</source>
        <translation>Arbeitsstunden pro Tag</translation>
    </message>
    <message>
        <source>Days a wee&amp;k:</source>
        <translation>Ta&amp;ge je Woche:</translation>
    </message>
    <message>
        <source>Days worked a week</source>
        <translation>Arbeitstage pro Woche</translation>
    </message>
    <message>
        <source>The advanced window converts a pay period into an hourly wage on these.</source>
        <translation>Damit rechnet der erweiterte Modus einen Abrechnungszeitraum in einen Stundenlohn um.</translation>
    </message>
</context>
<context>
    <name>SysTray</name>
    <message>
        <source>&amp;Popup</source>
        <translation>&amp;Menü</translation>
    </message>
</context>
<context>
    <name>TrayHost</name>
    <message>
        <source>&amp;Open Earnmeter...</source>
        <translation>Earnmeter ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Start Timer</source>
        <translation>Zähler &amp;starten</translation>
    </message>
    <message>
        <source>&amp;Pause Timer</source>
        <translation>Zähler &amp;pausieren</translation>
    </message>
    <message>
        <source>&amp;E-Mail Dorvan</source>
        <translation>&amp;E-Mail an Dorvan</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Über Earnmeter...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
</context>
<context>
    <name>WindowMenus</name>
    <message>
        <source>Elapsed &amp;Time</source>
        <translation>Verstrichene &amp;Zeit</translation>
    </message>
    <message>
        <source>Calculated &amp;Wage</source>
        <translation>Berechneter &amp;Lohn</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Reset Timer...</source>
        <translation>&amp;Zähler zurücksetzen...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Optionen...</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Verlauf...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Copy to Clipboard</source>
        <translation>In die Zwischenablage &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;E-Mail Dorvan</source>
        <translation>&amp;E-Mail an Dorvan</translation>
    </message>
    <message>
        <source>Visit &amp;Webpage</source>
        <translation>&amp;Webseite besuchen</translation>
    </message>
    <message>
        <source>&amp;Donate Information</source>
        <translation>&amp;Spendeninformationen</translation>
    </message>
    <message>
        <source>&amp;Help and Readme</source>
        <translation>&amp;Hilfe und Liesmich</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber Earnmeter...</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>Verborgen</translation>
    </message>
</context>
<context>
    <name>WorkingDayHost</name>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>It is %1: Earnmeter started counting your working day.</source>
        <translation>Es ist %1: Earnmeter hat begonnen, Ihren Arbeitstag zu zählen.</translation>
    </message>
    <message>
        <source>It is %1: start Earnmeter?</source>
        <translation>Es ist %1: Earnmeter starten?</translation>
    </message>
    <message>
        <source>Your break began at %1: Earnmeter paused.</source>
        <translation>Ihre Arbeitspause begann um %1: Earnmeter ist pausiert.</translation>
    </message>
    <message>
        <source>Your break began at %1. Earnmeter is still counting.</source>
        <translation>Ihre Arbeitspause begann um %1. Earnmeter zählt weiter.</translation>
    </message>
    <message>
        <source>Your break ended at %1: Earnmeter counts again.</source>
        <translation>Ihre Arbeitspause endete um %1: Earnmeter zählt wieder.</translation>
    </message>
    <message>
        <source>Your working day ended at %1: Earnmeter paused.</source>
        <translation>Ihr Arbeitstag endete um %1: Earnmeter ist pausiert.</translation>
    </message>
    <message>
        <source>Your working day ended at %1. Earnmeter is still counting.</source>
        <translation>Ihr Arbeitstag endete um %1. Earnmeter zählt weiter.</translation>
    </message>
    <message>
        <source>You reached today&apos;s goal of %1 at %2.</source>
        <translation>Sie haben um %2 Ihr Tagesziel von %1 erreicht.</translation>
    </message>
</context>
<context>
    <name>WorkingWindow</name>
    <message>
        <source>Elapsed time</source>
        <translation>Verstrichene Zeit</translation>
    </message>
    <message>
        <source>Money earned</source>
        <translation>Verdientes Geld</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Advanced mode</source>
        <translation>Erweiterter Modus</translation>
    </message>
</context>
</TS>
