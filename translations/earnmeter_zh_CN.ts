<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About Earnmeter</source>
        <translation>关于 Earnmeter</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>信息(&amp;I)</translation>
    </message>
    <message>
        <source>Program information</source>
        <translation>程序信息</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>&quot;How much money did you make today?&quot;</source>
        <translation>“您今天赚了多少钱？”</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>by Dorvan Quellis</source>
        <translation>作者：Dorvan Quellis</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>捐赠</translation>
    </message>
    <message>
        <source>Opens the web page</source>
        <translation>打开网页</translation>
    </message>
    <message>
        <source>Writes a support e-mail</source>
        <translation>撰写支持邮件</translation>
    </message>
    <message>
        <source>Opens the donation page</source>
        <translation>打开捐赠页面</translation>
    </message>
    <message>
        <source>Written by Dorvan Quellis</source>
        <translation>作者：Dorvan Quellis</translation>
    </message>
</context>
<context>
    <name>AdvancedWindow</name>
    <message>
        <source>My &amp;Wage $</source>
        <translation>工资(&amp;W) $</translation>
    </message>
    <message>
        <source>My wage per pay period</source>
        <translation>我每个发薪周期的工资</translation>
    </message>
    <message>
        <source>My wage amount in dollars</source>
        <translation>我的工资金额（美元）</translation>
    </message>
    <message>
        <source>Pay period</source>
        <translation>发薪周期</translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation>O&amp;K</translation>
    </message>
    <message>
        <source>&amp;START</source>
        <translation>开始(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;PAUSE</source>
        <translation>暂停(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Advanced Mode</source>
        <translation>高级模式(&amp;A)</translation>
    </message>
    <message>
        <source>Current Wage</source>
        <translation>当前工资</translation>
    </message>
    <message>
        <source>Elapsed Time</source>
        <translation>已计时间</translation>
    </message>
    <message>
        <source>Convert the pay period</source>
        <translation>换算发薪周期</translation>
    </message>
    <message>
        <source>Current hourly wage</source>
        <translation>当前时薪</translation>
    </message>
    <message>
        <source>&amp;Minimum Wage</source>
        <translation>最低工资(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;DREAM Wage</source>
        <translation>DREAM 工资(&amp;D)</translation>
    </message>
    <message>
        <source>Minimum Wage  %1</source>
        <translation>最低工资  %1</translation>
    </message>
    <message>
        <source>DREAM Wage  %1</source>
        <translation>DREAM 工资  %1</translation>
    </message>
    <message>
        <source>Earnmeter assumes %1 hours/day and %2 days/week.</source>
        <translation>Earnmeter 按每天 %1 小时、每周 %2 天计算。</translation>
    </message>
</context>
<context>
    <name>AwayHost</name>
    <message>
        <source>%1 The time was kept.</source>
        <translation>%1这段时间已保留。</translation>
    </message>
    <message>
        <source>%1 %2 was taken off the count.</source>
        <translation>%1已从计时中扣除 %2。</translation>
    </message>
    <message>
        <source>Welcome back</source>
        <translation>欢迎回来</translation>
    </message>
    <message>
        <source>&amp;Keep</source>
        <translation>保留(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>扣除(&amp;R)</translation>
    </message>
    <message>
        <source>Remove and &amp;Pause</source>
        <translation>扣除并暂停(&amp;P)</translation>
    </message>
    <message>
        <source>You were away from %1 to %2 (%3) while Earnmeter was counting.</source>
        <translation>Earnmeter 计时期间，您于 %1 至 %2 离开（%3）。</translation>
    </message>
</context>
<context>
    <name>AwayWays</name>
    <message>
        <source>the X server&apos;s idle time</source>
        <translation>X 服务器的空闲时间</translation>
    </message>
    <message>
        <source>GNOME&apos;s idle monitor</source>
        <translation>GNOME 的空闲监视器</translation>
    </message>
    <message>
        <source>the screen lock</source>
        <translation>屏幕锁定</translation>
    </message>
    <message>
        <source>suspend and resume</source>
        <translation>挂起与恢复</translation>
    </message>
    <message>
        <source>the compositor&apos;s idle time (ext-idle-notify-v1)</source>
        <translation>合成器的空闲时间（ext-idle-notify-v1）</translation>
    </message>
    <message>
        <source>the compositor&apos;s idle time (org_kde_kwin_idle)</source>
        <translation>合成器的空闲时间（org_kde_kwin_idle）</translation>
    </message>
</context>
<context>
    <name>ChosenMoney</name>
    <message>
        <source>(%1)/hr</source>
        <extracomment>A configured hourly rate in the advanced window&apos;s option captions: &quot;(12,50 €)/hr&quot;.</extracomment>
        <translation>(%1)/小时</translation>
    </message>
</context>
<context>
    <name>DayWords</name>
    <message>
        <source>Today %1 in %2</source>
        <comment>money, time</comment>
        <translation>今日：%2 内赚得 %1</translation>
    </message>
    <message>
        <source>Today (without the history) %1 in %2</source>
        <comment>money, time</comment>
        <translation>今日（不含历史记录）：%2 内赚得 %1</translation>
    </message>
    <message>
        <source>Ends in %1</source>
        <comment>the working day</comment>
        <translation>工作日还剩 %1</translation>
    </message>
    <message>
        <source>%1 % of today&apos;s goal %2</source>
        <translation>已达今日目标 %2 的 %1 %</translation>
    </message>
    <message>
        <source>, </source>
        <translation>，</translation>
    </message>
</context>
<context>
    <name>Engine</name>
    <message>
        <source>Do you want to reset the timer to zero?</source>
        <translation>要将计时器归零吗？</translation>
    </message>
    <message>
        <source>Reset Earnmeter</source>
        <translation>Earnmeter 归零</translation>
    </message>
    <message>
        <source>PAUSED (Earnmeter)</source>
        <extracomment>The main window&apos;s caption while paused.</extracomment>
        <translation>已暂停（Earnmeter）</translation>
    </message>
    <message>
        <source>Earnmeter (PAUSED)</source>
        <extracomment>The advanced window&apos;s caption while paused.</extracomment>
        <translation>Earnmeter（已暂停）</translation>
    </message>
    <message>
        <source>The wage &quot;%1&quot; is too large to count with. Enter an amount of at most %2; the previous wage stays in force.</source>
        <extracomment>%1 is what was typed, %2 the largest amount.</extracomment>
        <translation>工资“%1”过高，无法计算。请输入不超过 %2 的金额；原来的工资继续有效。</translation>
    </message>
    <message>
        <source>The wage &quot;%1&quot; is too large to count with. Enter an amount of at most %2 (%3); the previous wage stays in force.</source>
        <extracomment>%1 is what was typed, %2 the largest amount, %3 the pay period it is paid for.</extracomment>
        <translation>工资“%1”过高，无法计算。请输入不超过 %2（%3）的金额；原来的工资继续有效。</translation>
    </message>
</context>
<context>
    <name>HistoryChart</name>
    <message>
        <source>Earnings chart</source>
        <translation>收入图表</translation>
    </message>
    <message>
        <source>The same figures are listed in the table below.</source>
        <translation>下方表格列出了相同的数据。</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <comment>a bar&apos;s period, earnings and time</comment>
        <translation>%1：%2，%3</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>Today</source>
        <translation>今天</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>本周</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>本月</translation>
    </message>
    <message>
        <source>This year</source>
        <translation>今年</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>全部时间</translation>
    </message>
    <message>
        <source>Earnmeter History</source>
        <translation>Earnmeter 历史记录</translation>
    </message>
    <message>
        <source>Export &amp;CSV...</source>
        <translation>导出 CSV(&amp;C)...</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>最近 30 天</translation>
    </message>
    <message>
        <source>Last 12 weeks</source>
        <translation>最近 12 周</translation>
    </message>
    <message>
        <source>Last 12 months</source>
        <translation>最近 12 个月</translation>
    </message>
    <message>
        <source>Chart span</source>
        <translation>图表时间范围</translation>
    </message>
    <message>
        <source>&amp;Show days without earnings</source>
        <translation>显示没有收入的日期(&amp;S)</translation>
    </message>
    <message>
        <source>Earnings per period, newest first</source>
        <translation>各时段收入，最新的在前</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>时段</translation>
    </message>
    <message>
        <source>Earned</source>
        <translation>已赚金额</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>%1: %2 in %3</source>
        <comment>a period, its earnings and time</comment>
        <translation>%1：%3 内赚得 %2</translation>
    </message>
</context>
<context>
    <name>Host</name>
    <message>
        <source>Earnmeter&apos;s start at login could not be changed: %1.</source>
        <translation>无法更改 Earnmeter 的登录时启动设置：%1。</translation>
    </message>
    <message>
        <source>The elapsed time goes on counting; it will be saved again in five minutes.</source>
        <translation>已计时间会继续累计，五分钟后将再次尝试保存。</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Elapsed Time</source>
        <translation>已计时间</translation>
    </message>
    <message>
        <source>My Hourly &amp;Wage: $</source>
        <translation>我的时薪(&amp;W)：$</translation>
    </message>
    <message>
        <source>&amp;START</source>
        <translation>开始(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;PAUSE</source>
        <translation>暂停(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Advanced Mode</source>
        <translation>高级模式(&amp;A)</translation>
    </message>
    <message>
        <source>My hourly wage in dollars</source>
        <translation>我的时薪（美元）</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>&quot;%1&quot; is not a &quot;key = value&quot; line; it is ignored.</source>
        <translation>“%1”不是“key = value”格式的行，已忽略。</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no value</comment>
        <translation>无</translation>
    </message>
    <message>
        <source>%1 = &quot;%2&quot; is not %3; %4 is used instead.</source>
        <translation>%1 = &quot;%2&quot; 不是 %3；已改用 %4。</translation>
    </message>
    <message>
        <source>End of %1 file reached.</source>
        <translation>已到达 %1 文件末尾。</translation>
    </message>
    <message>
        <source>Your software has been updated to version %1. Click OK to continue.</source>
        <translation>您的软件已更新到 %1 版。请点击“确定”继续。</translation>
    </message>
    <message>
        <source>Earnmeter Update</source>
        <translation>Earnmeter 更新</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>%1 will be recreated now. Please launch the software again.</source>
        <translation>现在将重新创建 %1。请重新启动本软件。</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>%1. Nothing could be read from it: the settings take their defaults, and the file is left unchanged.</source>
        <translation>%1。无法从中读取任何内容：各项设置采用默认值，该文件保持不变。</translation>
    </message>
    <message>
        <source>%1. Read from it: %2. The other settings take their defaults, and the file is left unchanged.</source>
        <translation>%1。已从中读取：%2。其他设置采用默认值，该文件保持不变。</translation>
    </message>
    <message>
        <source>Earnmeter did not use the folder %1 for its control channel: it %2, so another user could listen in or shut the command line out.</source>
        <translation>Earnmeter 未将文件夹 %1 用作控制通道（原因：%2），其他用户可能借此窃听，或使命令行无法连接。</translation>
    </message>
    <message>
        <source>It uses a folder of its own instead, %1; the command line and panels find it through the data folder.</source>
        <translation>它改用自己的文件夹 %1；命令行和面板会通过数据文件夹找到它。</translation>
    </message>
    <message>
        <source>The meter works, but the command line and panels cannot reach it: %1.</source>
        <translation>计时器可以正常工作，但命令行和面板无法连接到它：%1。</translation>
    </message>
    <message>
        <source>Some of your preferences in %1 could not be read; the file is left as it is.</source>
        <translation>无法读取 %1 中的部分首选项；该文件保持原样。</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>... and %1 more lines.</source>
        <translation>……以及另外 %1 行。</translation>
    </message>
    <message>
        <source>%1. Your preferences take their defaults, and the file is left as it is.</source>
        <translation>%1。您的首选项采用默认值，该文件保持原样。</translation>
    </message>
    <message>
        <source>Do you want to continue with your elapsed time of %1?</source>
        <translation>要从已计时间 %1 继续计时吗？</translation>
    </message>
    <message>
        <source>It was counted on %1.</source>
        <translation>这段时间记录于 %1。</translation>
    </message>
    <message>
        <source>Continue Earnmeter</source>
        <translation>继续 Earnmeter</translation>
    </message>
    <message>
        <source>Do you want to save your elapsed time?</source>
        <translation>要保存已计时间吗？</translation>
    </message>
    <message>
        <source>Save Earnmeter Progress</source>
        <translation>保存 Earnmeter 进度</translation>
    </message>
    <message>
        <source>is a symbolic link</source>
        <extracomment>Why a folder was not used: &quot;(reason: %2)&quot;.</extracomment>
        <translation>它是一个符号链接</translation>
    </message>
    <message>
        <source>is not a folder</source>
        <translation>它不是文件夹</translation>
    </message>
    <message>
        <source>belongs to another user</source>
        <translation>它属于其他用户</translation>
    </message>
    <message>
        <source>may be entered by other users</source>
        <translation>其他用户可以进入它</translation>
    </message>
    <message>
        <source>Minimum Wage</source>
        <translation>最低工资</translation>
    </message>
    <message>
        <source>DREAM Wage</source>
        <translation>DREAM 工资</translation>
    </message>
    <message>
        <source>Minimize on Startup</source>
        <translation>启动时最小化</translation>
    </message>
    <message>
        <source>Startup in Advanced Mode</source>
        <translation>以高级模式启动</translation>
    </message>
    <message>
        <source>Save Position on Exit</source>
        <translation>退出时保存位置</translation>
    </message>
    <message>
        <source>yes or no</source>
        <extracomment>What a line of the preferences file should say: &quot;x = &quot;y&quot; is not %3&quot;.</extracomment>
        <translation>yes 或 no</translation>
    </message>
    <message>
        <source>a time such as 09:00, or nothing</source>
        <translation>像 09:00 这样的时间，或空值</translation>
    </message>
    <message>
        <source>a time such as 17:00, or nothing</source>
        <translation>像 17:00 这样的时间，或空值</translation>
    </message>
    <message>
        <source>two times such as 12:00-12:30, or nothing</source>
        <translation>像 12:00-12:30 这样的两个时间，或空值</translation>
    </message>
    <message>
        <source>a whole number of days from 1 to 7</source>
        <translation>1 到 7 之间的整数天数</translation>
    </message>
    <message>
        <source>a whole number of minutes from 0 (never) to 1440</source>
        <translation>0（从不）到 1440 之间的整数分钟数</translation>
    </message>
    <message>
        <source>an amount above 0 such as 240.00, or nothing</source>
        <translation>大于 0 的金额，如 240.00，或空值</translation>
    </message>
    <message>
        <source>ask, continue or zero</source>
        <translation>ask、continue 或 zero</translation>
    </message>
    <message>
        <source>ask, keep or remove</source>
        <translation>ask、keep 或 remove</translation>
    </message>
    <message>
        <source>day names such as Mon Tue Wed Thu Fri</source>
        <translation>星期名称，如 Mon Tue Wed Thu Fri</translation>
    </message>
    <message>
        <source>hours above 0 up to 24, such as 8 or 7.5</source>
        <translation>大于 0 且不超过 24 的小时数，如 8 或 7.5</translation>
    </message>
    <message>
        <source>$, locale or a currency code such as EUR</source>
        <translation>$、locale 或货币代码，如 EUR</translation>
    </message>
    <message>
        <source>matched by a work_end</source>
        <translation>与 work_end 成对出现</translation>
    </message>
    <message>
        <source>matched by a work_start</source>
        <translation>与 work_start 成对出现</translation>
    </message>
    <message>
        <source>after work_start (%1)</source>
        <extracomment>%1 is the start of the working day: &quot;after work_start (09:00)&quot;.</extracomment>
        <translation>晚于 work_start（%1）</translation>
    </message>
    <message>
        <source>a break that ends after it begins</source>
        <translation>结束时间晚于开始时间的休息</translation>
    </message>
    <message>
        <source>within a working day (work_start and work_end)</source>
        <translation>在工作时间之内（work_start 和 work_end）</translation>
    </message>
    <message>
        <source>within the working day (%1)</source>
        <extracomment>%1 is the working day: &quot;within the working day (09:00-17:00)&quot;.</extracomment>
        <translation>在工作时间之内（%1）</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Earnmeter Options</source>
        <translation>Earnmeter 选项</translation>
    </message>
    <message>
        <source>&amp;Minimum Wage $</source>
        <translation>最低工资(&amp;M) $</translation>
    </message>
    <message>
        <source>/hr</source>
        <translation>/小时</translation>
    </message>
    <message>
        <source>&amp;DREAM Wage $</source>
        <translation>DREAM 工资(&amp;D) $</translation>
    </message>
    <message>
        <source>Minimum wage in dollars per hour</source>
        <translation>每小时最低工资（美元）</translation>
    </message>
    <message>
        <source>DREAM wage in dollars per hour</source>
        <translation>每小时 DREAM 工资（美元）</translation>
    </message>
    <message>
        <source>Minimize on &amp;Startup?</source>
        <translation>启动时最小化(&amp;S)？</translation>
    </message>
    <message>
        <source>Startup in &amp;Advanced Mode?</source>
        <translation>以高级模式启动(&amp;A)？</translation>
    </message>
    <message>
        <source>Save &amp;Position on Exit?</source>
        <translation>退出时保存位置(&amp;P)？</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Restore Defaults</source>
        <translation>恢复默认值(&amp;R)</translation>
    </message>
    <message>
        <source>Minimize on startup</source>
        <translation>启动时最小化</translation>
    </message>
    <message>
        <source>Startup in advanced mode</source>
        <translation>以高级模式启动</translation>
    </message>
    <message>
        <source>Save window positions on exit</source>
        <translation>退出时保存窗口位置</translation>
    </message>
    <message>
        <source>Restore defaults</source>
        <translation>恢复默认值</translation>
    </message>
    <message>
        <source>Type mismatch: the amount is not a number. Enter digits with an optional point, such as 6.75.</source>
        <translation>类型不匹配：金额不是数字。请输入数字，可带一个小数点，例如 6.75。</translation>
    </message>
    <message>
        <source>Invalid floating-point operation: the amount cannot be computed.</source>
        <translation>无效的浮点运算：无法计算该金额。</translation>
    </message>
    <message>
        <source>Overflow: the amount is too large. Enter an amount below %1.</source>
        <translation>溢出：金额过大。请输入小于 %1 的金额。</translation>
    </message>
</context>
<context>
    <name>PayPeriod</name>
    <message>
        <source>Hourly</source>
        <translation>按小时</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>按周</translation>
    </message>
    <message>
        <source>Bi-Weekly</source>
        <translation>每两周</translation>
    </message>
    <message>
        <source>Semi-Monthly</source>
        <translation>每半月</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>按月</translation>
    </message>
    <message>
        <source>Annually</source>
        <translation>按年</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>to</source>
        <translation>至</translation>
    </message>
    <message>
        <source>Earnmeter Preferences</source>
        <translation>Earnmeter 首选项</translation>
    </message>
    <message>
        <source>Wage and day</source>
        <translation>工资与每日计时</translation>
    </message>
    <message>
        <source>&amp;Remember the wage from one run to the next</source>
        <translation>记住工资，下次运行时沿用(&amp;R)</translation>
    </message>
    <message>
        <source>At exit the wage boxes are kept, and the next start fills them in again.</source>
        <translation>退出时保留工资输入框的内容，下次启动时重新填入。</translation>
    </message>
    <message>
        <source>Ask whether to continue with it</source>
        <translation>询问是否继续</translation>
    </message>
    <message>
        <source>Continue without asking</source>
        <translation>直接继续，不询问</translation>
    </message>
    <message>
        <source>Start from zero</source>
        <translation>从零开始</translation>
    </message>
    <message>
        <source>A count from an earlier day</source>
        <translation>之前某天的计时</translation>
    </message>
    <message>
        <source>What start-up does with an elapsed time saved on an earlier day.</source>
        <translation>启动时如何处理之前某天保存的已计时间。</translation>
    </message>
    <message>
        <source>A count from an &amp;earlier day:</source>
        <translation>之前某天的计时(&amp;E)：</translation>
    </message>
    <message>
        <source>Working day</source>
        <translation>工作日</translation>
    </message>
    <message>
        <source>&amp;Start the meter when the working day begins</source>
        <translation>工作日开始时启动计时器(&amp;S)</translation>
    </message>
    <message>
        <source>Otherwise a notification offers to start it.</source>
        <translation>否则将通过通知提示您启动。</translation>
    </message>
    <message>
        <source>Pa&amp;use it for the break and at the day&apos;s end</source>
        <translation>休息时和工作日结束时暂停计时器(&amp;U)</translation>
    </message>
    <message>
        <source>Otherwise a notification says the meter is still counting.</source>
        <translation>否则将通过通知告知您计时器仍在计时。</translation>
    </message>
    <message>
        <source>Start Earnmeter when I &amp;log in</source>
        <translation>登录时启动 Earnmeter(&amp;L)</translation>
    </message>
    <message>
        <source>Show &amp;notifications</source>
        <translation>显示通知(&amp;N)</translation>
    </message>
    <message>
        <source>At the working day&apos;s edges and when the daily goal is reached.</source>
        <translation>在工作日开始、休息和结束时，以及达到每日目标时。</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Daily goal in dollars</source>
        <translation>每日目标（美元）</translation>
    </message>
    <message>
        <source>Empty for none.</source>
        <translation>留空表示不设目标。</translation>
    </message>
    <message>
        <source>Daily &amp;goal: $</source>
        <translation>每日目标(&amp;G)：$</translation>
    </message>
    <message>
        <source>Follow a &amp;working day from</source>
        <translation>启用工作日(&amp;W)，从</translation>
    </message>
    <message>
        <source>The working day begins at</source>
        <translation>工作日开始时间</translation>
    </message>
    <message>
        <source>The working day ends at</source>
        <translation>工作日结束时间</translation>
    </message>
    <message>
        <source>On</source>
        <translation>星期</translation>
    </message>
    <message>
        <source>With a &amp;break from</source>
        <translation>包含休息(&amp;B)，从</translation>
    </message>
    <message>
        <source>The break begins at</source>
        <translation>休息开始时间</translation>
    </message>
    <message>
        <source>The break ends at</source>
        <translation>休息结束时间</translation>
    </message>
    <message>
        <source>Restore &amp;Defaults</source>
        <translation>恢复默认值(&amp;D)</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>离开</translation>
    </message>
    <message>
        <source> minutes</source>
        <translation> 分钟</translation>
    </message>
    <message>
        <source>never</source>
        <translation>从不</translation>
    </message>
    <message>
        <source>Away after no input for, in minutes</source>
        <translation>无输入多久后视为离开（分钟）</translation>
    </message>
    <message>
        <source>Never: neither idle time nor a locked screen nor a suspend counts you away.</source>
        <translation>从不：空闲、锁屏或挂起均不会被视为离开。</translation>
    </message>
    <message>
        <source>Count me away after no &amp;input for:</source>
        <translation>无输入多久后视为离开(&amp;I)：</translation>
    </message>
    <message>
        <source>Ask whether to keep the time</source>
        <translation>询问是否保留这段时间</translation>
    </message>
    <message>
        <source>Keep the time</source>
        <translation>保留这段时间</translation>
    </message>
    <message>
        <source>Take the time off the count</source>
        <translation>从计时中扣除这段时间</translation>
    </message>
    <message>
        <source>On my return</source>
        <translation>返回时</translation>
    </message>
    <message>
        <source>On my re&amp;turn:</source>
        <translation>返回时(&amp;T)：</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>金额</translation>
    </message>
    <message>
        <source>$ (as Earnmeter has always shown it)</source>
        <translation>$（Earnmeter 一贯的显示方式）</translation>
    </message>
    <message>
        <source>Regional currency (locale)</source>
        <translation>当地货币（按区域设置）</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A currency in the list: its ISO code and its symbol, &quot;EUR (€)&quot;.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>货币</translation>
    </message>
    <message>
        <source>The currency every amount is shown in, as the region writes it.</source>
        <translation>所有金额使用的货币，按该地区的书写习惯显示。</translation>
    </message>
    <message>
        <source>Currenc&amp;y:</source>
        <translation>货币(&amp;Y)：</translation>
    </message>
    <message>
        <source>This desktop tells neither idle time nor the lock: time away is not noticed.</source>
        <translation>此桌面环境既不提供空闲时间，也不提供锁屏状态：无法察觉离开时间。</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the last two ways</comment>
        <translation>%1和%2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
    <message>
        <source>Noticed through %1.</source>
        <translation>通过%1察觉离开。</translation>
    </message>
    <message>
        <source>The break must end after it begins, within the working day.</source>
        <translation>休息的结束时间必须晚于开始时间，且须在工作日之内。</translation>
    </message>
    <message>
        <source>The working day must end after it begins.</source>
        <translation>工作日的结束时间必须晚于开始时间。</translation>
    </message>
    <message>
        <source>The daily goal must be an amount above 0, such as 240.00, or empty for none.</source>
        <translation>每日目标必须是大于 0 的金额（例如 240.00），或留空表示不设目标。</translation>
    </message>
    <message>
        <source>Working week</source>
        <translation>工作周</translation>
    </message>
    <message>
        <source>&amp;Hours a day:</source>
        <translation>每天小时数(&amp;H)：</translation>
    </message>
    <message>
        <source>Hours worked a day</source>
        <translation>每天工作小时数</translation>
    </message>
    <message>
        <source>Days a wee&amp;k:</source>
        <translation>每周天数(&amp;K)：</translation>
    </message>
    <message>
        <source>Days worked a week</source>
        <translation>每周工作天数</translation>
    </message>
    <message>
        <source>The advanced window converts a pay period into an hourly wage on these.</source>
        <translation>高级模式据此将发薪周期换算为时薪。</translation>
    </message>
</context>
<context>
    <name>SysTray</name>
    <message>
        <source>&amp;Popup</source>
        <translation>弹出菜单(&amp;P)</translation>
    </message>
</context>
<context>
    <name>TrayHost</name>
    <message>
        <source>&amp;Open Earnmeter...</source>
        <translation>打开 Earnmeter(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Start Timer</source>
        <translation>开始计时(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Pause Timer</source>
        <translation>暂停计时(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;E-Mail Dorvan</source>
        <translation>给 Dorvan 发邮件(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>关于(&amp;A)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
</context>
<context>
    <name>WindowMenus</name>
    <message>
        <source>Elapsed &amp;Time</source>
        <translation>已计时间(&amp;T)</translation>
    </message>
    <message>
        <source>Calculated &amp;Wage</source>
        <translation>计算所得工资(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Reset Timer...</source>
        <translation>计时器归零(&amp;R)...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>选项(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>首选项(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>历史记录(&amp;H)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Copy to Clipboard</source>
        <translation>复制到剪贴板(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;E-Mail Dorvan</source>
        <translation>给 Dorvan 发邮件(&amp;E)</translation>
    </message>
    <message>
        <source>Visit &amp;Webpage</source>
        <translation>访问网页(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Donate Information</source>
        <translation>捐赠信息(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Help and Readme</source>
        <translation>帮助和自述文件(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>关于(&amp;A)...</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>隐藏菜单</translation>
    </message>
</context>
<context>
    <name>WorkingDayHost</name>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>It is %1: Earnmeter started counting your working day.</source>
        <translation>现在是 %1：Earnmeter 已开始为您的工作日计时。</translation>
    </message>
    <message>
        <source>It is %1: start Earnmeter?</source>
        <translation>现在是 %1：要开始 Earnmeter 计时吗？</translation>
    </message>
    <message>
        <source>Your break began at %1: Earnmeter paused.</source>
        <translation>您的休息已于 %1 开始：Earnmeter 已暂停。</translation>
    </message>
    <message>
        <source>Your break began at %1. Earnmeter is still counting.</source>
        <translation>您的休息已于 %1 开始。Earnmeter 仍在计时。</translation>
    </message>
    <message>
        <source>Your break ended at %1: Earnmeter counts again.</source>
        <translation>您的休息已于 %1 结束：Earnmeter 已恢复计时。</translation>
    </message>
    <message>
        <source>Your working day ended at %1: Earnmeter paused.</source>
        <translation>您的工作日已于 %1 结束：Earnmeter 已暂停。</translation>
    </message>
    <message>
        <source>Your working day ended at %1. Earnmeter is still counting.</source>
        <translation>您的工作日已于 %1 结束。Earnmeter 仍在计时。</translation>
    </message>
    <message>
        <source>You reached today&apos;s goal of %1 at %2.</source>
        <translation>您已于 %2 达成今日目标 %1。</translation>
    </message>
</context>
<context>
    <name>WorkingWindow</name>
    <message>
        <source>Elapsed time</source>
        <translation>已计时间</translation>
    </message>
    <message>
        <source>Money earned</source>
        <translation>已赚金额</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Advanced mode</source>
        <translation>高级模式</translation>
    </message>
</context>
</TS>
