<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About Earnmeter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;How much money did you make today?&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>by Dorvan Quellis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Donate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the web page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes a support e-mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the donation page</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AdvancedWindow</name>
    <message>
        <source>My &amp;Wage $</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My wage per pay period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My wage amount in dollars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pay period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hourly</source>
        <extracomment>The pay periods, in the order of the list; the same names as in the glossary.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bi-Weekly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Semi-Monthly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annually</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;START</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;PAUSE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Advanced Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Wage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elapsed Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert the pay period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current hourly wage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Minimum Wage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;DREAM Wage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimum Wage  %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DREAM Wage  %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AwayHost</name>
    <message>
        <source>%1 The time was kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 was taken off the count.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove and &amp;Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You were away from %1 to %2 (%3) while Earnmeter was counting.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChosenMoney</name>
    <message>
        <source>(%1)/hr</source>
        <extracomment>A configured hourly rate in the advanced window&apos;s option captions: &quot;(12,50 €)/hr&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DayWords</name>
    <message>
        <source>Today %1 in %2</source>
        <comment>money, time</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today (without the history) %1 in %2</source>
        <comment>money, time</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ends in %1</source>
        <comment>the working day</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 % of today&apos;s goal %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Engine</name>
    <message>
        <source>Do you want to reset the timer to zero?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset Earnmeter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PAUSED (Earnmeter)</source>
        <extracomment>The main window&apos;s caption while paused.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Earnmeter (PAUSED)</source>
        <extracomment>The advanced window&apos;s caption while paused.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HistoryChart</name>
    <message>
        <source>Earnings chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The same figures are listed in the table below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <comment>a bar&apos;s period, earnings and time</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>Today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Earnmeter History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export &amp;CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last 12 weeks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last 12 months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart span</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Show days without earnings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Earnings per period, newest first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Earned</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 in %3</source>
        <comment>a period, its earnings and time</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Host</name>
    <message>
        <source>Earnmeter&apos;s start at login could not be changed: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The elapsed time goes on counting; it will be saved again in five minutes.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Elapsed Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My Hourly &amp;Wage: $</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;START</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;PAUSE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Advanced Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My hourly wage in dollars</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>&quot;%1&quot; is not a &quot;key = value&quot; line; it is ignored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <comment>no value</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 = &quot;%2&quot; is not %3; %4 is used instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End of %1 file reached.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your software has been updated to version %1. Click OK to continue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Earnmeter Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 will be recreated now. Please launch the software again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. Nothing could be read from it: the settings take their defaults, and the file is left unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. Read from it: %2. The other settings take their defaults, and the file is left unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Earnmeter did not use the folder %1 for its control channel: it %2, so another user could listen in or shut the command line out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It uses a folder of its own instead, %1; the command line and panels find it through the data folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The meter works, but the command line and panels cannot reach it: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some of your preferences in %1 could not be read; the file is left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>... and %1 more lines.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. Your preferences take their defaults, and the file is left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to continue with your elapsed time of %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It was counted on %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue Earnmeter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to save your elapsed time?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Earnmeter Progress</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Earnmeter Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Minimum Wage $</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>/hr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;DREAM Wage $</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimum wage in dollars per hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DREAM wage in dollars per hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimize on &amp;Startup?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Startup in &amp;Advanced Mode?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;Position on Exit?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Restore Defaults</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimize on startup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Startup in advanced mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save window positions on exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore defaults</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type mismatch: the amount is not a number. Enter digits with an optional point, such as 6.75.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overflow: the amount is too large. Enter an amount below 922,337,203,685,477.58.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid floating-point operation: the amount cannot be computed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Earnmeter Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wage and day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remember the wage from one run to the next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At exit the wage boxes are kept, and the next start fills them in again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ask whether to continue with it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue without asking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start from zero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A count from an earlier day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What start-up does with an elapsed time saved on an earlier day.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A count from an &amp;earlier day:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Working day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Start the meter when the working day begins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Otherwise a notification offers to start it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pa&amp;use it for the break and at the day&apos;s end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Otherwise a notification says the meter is still counting.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Earnmeter when I &amp;log in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;notifications</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At the working day&apos;s edges and when the daily goal is reached.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daily goal in dollars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty for none.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daily &amp;goal: $</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Follow a &amp;working day from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The working day begins at</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The working day ends at</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With a &amp;break from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The break begins at</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The break ends at</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore &amp;Defaults</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Away</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>never</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Away after no input for, in minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Never: neither idle time nor a locked screen nor a suspend counts you away.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count me away after no &amp;input for:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ask whether to keep the time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take the time off the count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On my return</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On my re&amp;turn:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Money</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>$ (as Earnmeter has always shown it)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Regional currency (locale)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A currency in the list: its ISO code and its symbol, &quot;EUR (€)&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Currency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The currency every amount is shown in, as the region writes it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Currenc&amp;y:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This desktop tells neither idle time nor the lock: time away is not noticed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the last two ways</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Noticed through %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The break must end after it begins, within the working day.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The working day must end after it begins.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The daily goal must be an amount above 0, such as 240.00, or empty for none.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SysTray</name>
    <message>
        <source>&amp;Popup</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TrayHost</name>
    <message>
        <source>&amp;Open Earnmeter...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Start Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pause Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;E-Mail Dorvan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WindowMenus</name>
    <message>
        <source>Elapsed &amp;Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculated &amp;Wage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reset Timer...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy to Clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;E-Mail Dorvan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit &amp;Webpage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Donate Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help and Readme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WorkingDayHost</name>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is %1: Earnmeter started counting your working day.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is %1: start Earnmeter?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your break began at %1: Earnmeter paused.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your break began at %1. Earnmeter is still counting.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your break ended at %1: Earnmeter counts again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your working day ended at %1: Earnmeter paused.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your working day ended at %1. Earnmeter is still counting.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You reached today&apos;s goal of %1 at %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WorkingWindow</name>
    <message>
        <source>Elapsed time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Money earned</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced mode</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
