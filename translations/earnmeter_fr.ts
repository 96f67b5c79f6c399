<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About Earnmeter</source>
        <translation>À propos d&apos;Earnmeter</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Infos</translation>
    </message>
    <message>
        <source>Program information</source>
        <translation>Informations sur le programme</translation>
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
        <translation>«&#xa0;Combien d&apos;argent avez-vous gagné aujourd&apos;hui&#xa0;?&#xa0;»</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>by Dorvan Quellis</source>
        <translation>par Dorvan Quellis</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Faire un don</translation>
    </message>
    <message>
        <source>Opens the web page</source>
        <translation>Ouvre la page web</translation>
    </message>
    <message>
        <source>Writes a support e-mail</source>
        <translation>Rédige un courriel d&apos;assistance</translation>
    </message>
    <message>
        <source>Opens the donation page</source>
        <translation>Ouvre la page des dons</translation>
    </message>
    <message>
        <source>Written by Dorvan Quellis</source>
        <translation>Écrit par Dorvan Quellis</translation>
    </message>
</context>
<context>
    <name>AdvancedWindow</name>
    <message>
        <source>My &amp;Wage $</source>
        <translation>Mon &amp;salaire $</translation>
    </message>
    <message>
        <source>My wage per pay period</source>
        <translation>Mon salaire par période de paie</translation>
    </message>
    <message>
        <source>My wage amount in dollars</source>
        <translation>Montant de mon salaire en dollars</translation>
    </message>
    <message>
        <source>Pay period</source>
        <translation>Période de paie</translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation>O&amp;K</translation>
    </message>
    <message>
        <source>&amp;START</source>
        <translation>DÉ&amp;MARRER</translation>
    </message>
    <message>
        <source>&amp;PAUSE</source>
        <translation>&amp;PAUSE</translation>
    </message>
    <message>
        <source>&amp;Advanced Mode</source>
        <translation>Mode a&amp;vancé</translation>
    </message>
    <message>
        <source>Current Wage</source>
        <translation>Salaire actuel</translation>
    </message>
    <message>
        <source>Elapsed Time</source>
        <translation>Temps écoulé</translation>
    </message>
    <message>
        <source>Convert the pay period</source>
        <translation>Convertir la période de paie</translation>
    </message>
    <message>
        <source>Current hourly wage</source>
        <translation>Salaire horaire actuel</translation>
    </message>
    <message>
        <source>&amp;Minimum Wage</source>
        <translation>Salaire mi&amp;nimum</translation>
    </message>
    <message>
        <source>&amp;DREAM Wage</source>
        <translation>Salaire D&amp;REAM</translation>
    </message>
    <message>
        <source>Minimum Wage  %1</source>
        <translation>Salaire minimum  %1</translation>
    </message>
    <message>
        <source>DREAM Wage  %1</source>
        <translation>Salaire DREAM  %1</translation>
    </message>
    <message>
        <source>Earnmeter assumes %1 hours/day and %2 days/week.</source>
        <translation>Earnmeter compte %1 heures par jour et %2 jours par semaine.</translation>
    </message>
</context>
<context>
    <name>AwayHost</name>
    <message>
        <source>%1 The time was kept.</source>
        <translation>%1 Le temps a été conservé.</translation>
    </message>
    <message>
        <source>%1 %2 was taken off the count.</source>
        <translation>%1 Temps retiré du compteur&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Welcome back</source>
        <translation>Content de vous revoir</translation>
    </message>
    <message>
        <source>&amp;Keep</source>
        <translation>&amp;Conserver</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>Remove and &amp;Pause</source>
        <translation>Retirer et mettre en &amp;pause</translation>
    </message>
    <message>
        <source>You were away from %1 to %2 (%3) while Earnmeter was counting.</source>
        <translation>Absence de %1 à %2 (%3) pendant qu&apos;Earnmeter comptait.</translation>
    </message>
</context>
<context>
    <name>AwayWays</name>
    <message>
        <source>the X server&apos;s idle time</source>
        <translation>le temps d’inactivité du serveur X</translation>
    </message>
    <message>
        <source>GNOME&apos;s idle monitor</source>
        <translation>le moniteur d’inactivité de GNOME</translation>
    </message>
    <message>
        <source>the screen lock</source>
        <translation>le verrouillage de l’écran</translation>
    </message>
    <message>
        <source>suspend and resume</source>
        <translation>la mise en veille et la reprise</translation>
    </message>
    <message>
        <source>the compositor&apos;s idle time (ext-idle-notify-v1)</source>
        <translation>le temps d’inactivité du compositeur (ext-idle-notify-v1)</translation>
    </message>
    <message>
        <source>the compositor&apos;s idle time (org_kde_kwin_idle)</source>
        <translation>le temps d’inactivité du compositeur (org_kde_kwin_idle)</translation>
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
        <translation>Aujourd&apos;hui %1 en %2</translation>
    </message>
    <message>
        <source>Today (without the history) %1 in %2</source>
        <comment>money, time</comment>
        <translation>Aujourd&apos;hui (sans l&apos;historique) %1 en %2</translation>
    </message>
    <message>
        <source>Ends in %1</source>
        <comment>the working day</comment>
        <translation>Fin dans %1</translation>
    </message>
    <message>
        <source>%1 % of today&apos;s goal %2</source>
        <translation>%1 % de l&apos;objectif du jour de %2</translation>
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
        <translation>Voulez-vous remettre le compteur à zéro&#xa0;?</translation>
    </message>
    <message>
        <source>Reset Earnmeter</source>
        <translation>Remettre Earnmeter à zéro</translation>
    </message>
    <message>
        <source>PAUSED (Earnmeter)</source>
        <extracomment>The main window&apos;s caption while paused.</extracomment>
        <translation>EN PAUSE (Earnmeter)</translation>
    </message>
    <message>
        <source>Earnmeter (PAUSED)</source>
        <extracomment>The advanced window&apos;s caption while paused.</extracomment>
        <translation>Earnmeter (EN PAUSE)</translation>
    </message>
    <message>
        <source>The wage &quot;%1&quot; is too large to count with. Enter an amount of at most %2; the previous wage stays in force.</source>
        <extracomment>%1 is what was typed, %2 the largest amount.</extracomment>
        <translation>Le salaire «&#xa0;%1&#xa0;» est trop élevé pour être compté. Saisissez un montant d’au plus %2&#xa0;; le salaire précédent reste en vigueur.</translation>
    </message>
    <message>
        <source>The wage &quot;%1&quot; is too large to count with. Enter an amount of at most %2 (%3); the previous wage stays in force.</source>
        <extracomment>%1 is what was typed, %2 the largest amount, %3 the pay period it is paid for.</extracomment>
        <translation>Le salaire «&#xa0;%1&#xa0;» est trop élevé pour être compté. Saisissez un montant d’au plus %2 (%3)&#xa0;; le salaire précédent reste en vigueur.</translation>
    </message>
</context>
<context>
    <name>HistoryChart</name>
    <message>
        <source>Earnings chart</source>
        <translation>Graphique des gains</translation>
    </message>
    <message>
        <source>The same figures are listed in the table below.</source>
        <translation>Les mêmes chiffres figurent dans le tableau ci-dessous.</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <comment>a bar&apos;s period, earnings and time</comment>
        <translation>%1&#xa0;: %2, %3</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>Today</source>
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Cette semaine</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>Ce mois-ci</translation>
    </message>
    <message>
        <source>This year</source>
        <translation>Cette année</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>Depuis le début</translation>
    </message>
    <message>
        <source>Earnmeter History</source>
        <translation>Historique d&apos;Earnmeter</translation>
    </message>
    <message>
        <source>Export &amp;CSV...</source>
        <translation>Exporter en &amp;CSV...</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>30 derniers jours</translation>
    </message>
    <message>
        <source>Last 12 weeks</source>
        <translation>12 dernières semaines</translation>
    </message>
    <message>
        <source>Last 12 months</source>
        <translation>12 derniers mois</translation>
    </message>
    <message>
        <source>Chart span</source>
        <translation>Étendue du graphique</translation>
    </message>
    <message>
        <source>&amp;Show days without earnings</source>
        <translation>&amp;Afficher les jours sans gains</translation>
    </message>
    <message>
        <source>Earnings per period, newest first</source>
        <translation>Gains par période, les plus récents d&apos;abord</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>Earned</source>
        <translation>Gagné</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>%1: %2 in %3</source>
        <comment>a period, its earnings and time</comment>
        <translation>%1&#xa0;: %2 en %3</translation>
    </message>
</context>
<context>
    <name>Host</name>
    <message>
        <source>Earnmeter&apos;s start at login could not be changed: %1.</source>
        <translation>Le lancement d&apos;Earnmeter à l&apos;ouverture de session n&apos;a pas pu être modifié&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The elapsed time goes on counting; it will be saved again in five minutes.</source>
        <translation>Le temps écoulé continue de courir&#xa0;; il sera de nouveau enregistré dans cinq minutes.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Elapsed Time</source>
        <translation>Temps écoulé</translation>
    </message>
    <message>
        <source>My Hourly &amp;Wage: $</source>
        <translation>Mon &amp;salaire horaire&#xa0;: $</translation>
    </message>
    <message>
        <source>&amp;START</source>
        <translation>DÉ&amp;MARRER</translation>
    </message>
    <message>
        <source>&amp;PAUSE</source>
        <translation>&amp;PAUSE</translation>
    </message>
    <message>
        <source>&amp;Advanced Mode</source>
        <translation>Mode a&amp;vancé</translation>
    </message>
    <message>
        <source>My hourly wage in dollars</source>
        <translation>Mon salaire horaire en dollars</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>&quot;%1&quot; is not a &quot;key = value&quot; line; it is ignored.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une ligne «&#xa0;key = value&#xa0;»&#xa0;; elle est ignorée.</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no value</comment>
        <translation>aucune</translation>
    </message>
    <message>
        <source>%1 = &quot;%2&quot; is not %3; %4 is used instead.</source>
        <translation>%1 = «&#xa0;%2&#xa0;» n&apos;est pas %3&#xa0;; valeur utilisée à la place&#xa0;: %4.</translation>
    </message>
    <message>
        <source>End of %1 file reached.</source>
        <translation>Fin du fichier %1 atteinte.</translation>
    </message>
    <message>
        <source>Your software has been updated to version %1. Click OK to continue.</source>
        <translation>Votre logiciel a été mis à jour vers la version %1. Cliquez sur OK pour continuer.</translation>
    </message>
    <message>
        <source>Earnmeter Update</source>
        <translation>Mise à jour d&apos;Earnmeter</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>%1 will be recreated now. Please launch the software again.</source>
        <translation>%1 va maintenant être recréé. Veuillez relancer le logiciel.</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Avis</translation>
    </message>
    <message>
        <source>%1. Nothing could be read from it: the settings take their defaults, and the file is left unchanged.</source>
        <translation>%1. Rien n&apos;a pu y être lu&#xa0;: les paramètres prennent leurs valeurs par défaut et le fichier reste inchangé.</translation>
    </message>
    <message>
        <source>%1. Read from it: %2. The other settings take their defaults, and the file is left unchanged.</source>
        <translation>%1. Lu dans ce fichier&#xa0;: %2. Les autres paramètres prennent leurs valeurs par défaut et le fichier reste inchangé.</translation>
    </message>
    <message>
        <source>Earnmeter did not use the folder %1 for its control channel: it %2, so another user could listen in or shut the command line out.</source>
        <translation>Earnmeter n&apos;a pas utilisé le dossier %1 pour son canal de contrôle (%2)&#xa0;: un autre utilisateur pourrait l&apos;écouter ou en fermer l&apos;accès à la ligne de commande.</translation>
    </message>
    <message>
        <source>It uses a folder of its own instead, %1; the command line and panels find it through the data folder.</source>
        <translation>Il utilise à la place un dossier qui lui est propre, %1&#xa0;; la ligne de commande et les panneaux le trouvent grâce au dossier de données.</translation>
    </message>
    <message>
        <source>The meter works, but the command line and panels cannot reach it: %1.</source>
        <translation>Le compteur fonctionne, mais la ligne de commande et les panneaux ne peuvent pas le joindre&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Some of your preferences in %1 could not be read; the file is left as it is.</source>
        <translation>Certaines de vos préférences dans %1 n&apos;ont pas pu être lues&#xa0;; le fichier est laissé tel quel.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>... and %1 more lines.</source>
        <translation>... et %1 lignes de plus.</translation>
    </message>
    <message>
        <source>%1. Your preferences take their defaults, and the file is left as it is.</source>
        <translation>%1. Vos préférences prennent leurs valeurs par défaut et le fichier est laissé tel quel.</translation>
    </message>
    <message>
        <source>Do you want to continue with your elapsed time of %1?</source>
        <translation>Voulez-vous poursuivre avec votre temps écoulé de %1&#xa0;?</translation>
    </message>
    <message>
        <source>It was counted on %1.</source>
        <translation>Il a été compté le %1.</translation>
    </message>
    <message>
        <source>Continue Earnmeter</source>
        <translation>Reprise d&apos;Earnmeter</translation>
    </message>
    <message>
        <source>Do you want to save your elapsed time?</source>
        <translation>Voulez-vous enregistrer votre temps écoulé&#xa0;?</translation>
    </message>
    <message>
        <source>Save Earnmeter Progress</source>
        <translation>Enregistrer la progression d&apos;Earnmeter</translation>
    </message>
    <message>
        <source>is a symbolic link</source>
        <extracomment>Why a folder was not used: &quot;(reason: %2)&quot;.</extracomment>
        <translation>c’est un lien symbolique</translation>
    </message>
    <message>
        <source>is not a folder</source>
        <translation>ce n’est pas un dossier</translation>
    </message>
    <message>
        <source>belongs to another user</source>
        <translation>il appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>may be entered by other users</source>
        <translation>d’autres utilisateurs peuvent y entrer</translation>
    </message>
    <message>
        <source>Minimum Wage</source>
        <translation>Salaire minimum</translation>
    </message>
    <message>
        <source>DREAM Wage</source>
        <translation>Salaire DREAM</translation>
    </message>
    <message>
        <source>Minimize on Startup</source>
        <translation>Réduire au démarrage</translation>
    </message>
    <message>
        <source>Startup in Advanced Mode</source>
        <translation>Démarrer en mode avancé</translation>
    </message>
    <message>
        <source>Save Position on Exit</source>
        <translation>Garder la position en quittant</translation>
    </message>
    <message>
        <source>yes or no</source>
        <extracomment>What a line of the preferences file should say: &quot;x = &quot;y&quot; is not %3&quot;.</extracomment>
        <translation>yes ou no</translation>
    </message>
    <message>
        <source>a time such as 09:00, or nothing</source>
        <translation>une heure comme 09:00, ou rien</translation>
    </message>
    <message>
        <source>a time such as 17:00, or nothing</source>
        <translation>une heure comme 17:00, ou rien</translation>
    </message>
    <message>
        <source>two times such as 12:00-12:30, or nothing</source>
        <translation>une plage horaire comme 12:00-12:30, ou rien</translation>
    </message>
    <message>
        <source>a whole number of days from 1 to 7</source>
        <translation>un nombre entier de jours de 1 à 7</translation>
    </message>
    <message>
        <source>a whole number of minutes from 0 (never) to 1440</source>
        <translation>un nombre entier de minutes de 0 (jamais) à 1440</translation>
    </message>
    <message>
        <source>an amount above 0 such as 240.00, or nothing</source>
        <translation>un montant supérieur à 0 comme 240.00, ou rien</translation>
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
        <translation>une liste de noms de jours comme Mon Tue Wed Thu Fri</translation>
    </message>
    <message>
        <source>hours above 0 up to 24, such as 8 or 7.5</source>
        <translation>un nombre d’heures supérieur à 0 et au plus 24, comme 8 ou 7.5</translation>
    </message>
    <message>
        <source>$, locale or a currency code such as EUR</source>
        <translation>$, locale ou un code de devise comme EUR</translation>
    </message>
    <message>
        <source>matched by a work_end</source>
        <translation>accompagné d’un work_end</translation>
    </message>
    <message>
        <source>matched by a work_start</source>
        <translation>accompagné d’un work_start</translation>
    </message>
    <message>
        <source>after work_start (%1)</source>
        <extracomment>%1 is the start of the working day: &quot;after work_start (09:00)&quot;.</extracomment>
        <translation>après work_start (%1)</translation>
    </message>
    <message>
        <source>a break that ends after it begins</source>
        <translation>une pause qui finit après son début</translation>
    </message>
    <message>
        <source>within a working day (work_start and work_end)</source>
        <translation>dans une journée de travail (work_start et work_end)</translation>
    </message>
    <message>
        <source>within the working day (%1)</source>
        <extracomment>%1 is the working day: &quot;within the working day (09:00-17:00)&quot;.</extracomment>
        <translation>dans la journée de travail (%1)</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Earnmeter Options</source>
        <translation>Options d&apos;Earnmeter</translation>
    </message>
    <message>
        <source>&amp;Minimum Wage $</source>
        <translation>Salaire &amp;minimum $</translation>
    </message>
    <message>
        <source>/hr</source>
        <translation>/h</translation>
    </message>
    <message>
        <source>&amp;DREAM Wage $</source>
        <translation>Salaire &amp;DREAM $</translation>
    </message>
    <message>
        <source>Minimum wage in dollars per hour</source>
        <translation>Salaire minimum en dollars par heure</translation>
    </message>
    <message>
        <source>DREAM wage in dollars per hour</source>
        <translation>Salaire DREAM en dollars par heure</translation>
    </message>
    <message>
        <source>Minimize on &amp;Startup?</source>
        <translation>&amp;Réduire au démarrage&#xa0;?</translation>
    </message>
    <message>
        <source>Startup in &amp;Advanced Mode?</source>
        <translation>Démarrer en mode a&amp;vancé&#xa0;?</translation>
    </message>
    <message>
        <source>Save &amp;Position on Exit?</source>
        <translation>Garder la &amp;position en quittant&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Restore Defaults</source>
        <translation>Valeurs par dé&amp;faut</translation>
    </message>
    <message>
        <source>Minimize on startup</source>
        <translation>Réduire au démarrage</translation>
    </message>
    <message>
        <source>Startup in advanced mode</source>
        <translation>Démarrer en mode avancé</translation>
    </message>
    <message>
        <source>Save window positions on exit</source>
        <translation>Mémoriser la position des fenêtres en quittant</translation>
    </message>
    <message>
        <source>Restore defaults</source>
        <translation>Rétablir les valeurs par défaut</translation>
    </message>
    <message>
        <source>Type mismatch: the amount is not a number. Enter digits with an optional point, such as 6.75.</source>
        <translation>Incompatibilité de type&#xa0;: le montant n&apos;est pas un nombre. Saisissez des chiffres, avec un point facultatif, comme 6.75.</translation>
    </message>
    <message>
        <source>Invalid floating-point operation: the amount cannot be computed.</source>
        <translation>Opération en virgule flottante non valide&#xa0;: le montant ne peut pas être calculé.</translation>
    </message>
    <message>
        <source>Overflow: the amount is too large. Enter an amount below %1.</source>
        <translation>Dépassement de capacité&#xa0;: le montant est trop élevé. Saisissez un montant inférieur à %1.</translation>
    </message>
</context>
<context>
    <name>PayPeriod</name>
    <message>
        <source>Hourly</source>
        <translation>Horaire</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Hebdomadaire</translation>
    </message>
    <message>
        <source>Bi-Weekly</source>
        <translation>Toutes les 2 semaines</translation>
    </message>
    <message>
        <source>Semi-Monthly</source>
        <translation>Bimensuel</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensuel</translation>
    </message>
    <message>
        <source>Annually</source>
        <translation>Annuel</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>to</source>
        <translation>à</translation>
    </message>
    <message>
        <source>Earnmeter Preferences</source>
        <translation>Préférences d&apos;Earnmeter</translation>
    </message>
    <message>
        <source>Wage and day</source>
        <translation>Salaire et journée</translation>
    </message>
    <message>
        <source>&amp;Remember the wage from one run to the next</source>
        <translation>&amp;Mémoriser le salaire d&apos;un lancement à l&apos;autre</translation>
    </message>
    <message>
        <source>At exit the wage boxes are kept, and the next start fills them in again.</source>
        <translation>En quittant, le contenu des champs de salaire est conservé et le prochain démarrage les remplit de nouveau.</translation>
    </message>
    <message>
        <source>Ask whether to continue with it</source>
        <translation>Demander s&apos;il faut le poursuivre</translation>
    </message>
    <message>
        <source>Continue without asking</source>
        <translation>Poursuivre sans demander</translation>
    </message>
    <message>
        <source>Start from zero</source>
        <translation>Repartir de zéro</translation>
    </message>
    <message>
        <source>A count from an earlier day</source>
        <translation>Compteur d&apos;un jour précédent</translation>
    </message>
    <message>
        <source>What start-up does with an elapsed time saved on an earlier day.</source>
        <translation>Ce que fait le démarrage d&apos;un temps écoulé enregistré un jour précédent.</translation>
    </message>
    <message>
        <source>A count from an &amp;earlier day:</source>
        <translation>&amp;Compteur d&apos;un jour précédent&#xa0;:</translation>
    </message>
    <message>
        <source>Working day</source>
        <translation>Journée de travail</translation>
    </message>
    <message>
        <source>&amp;Start the meter when the working day begins</source>
        <translation>&amp;Démarrer le compteur au début de la journée de travail</translation>
    </message>
    <message>
        <source>Otherwise a notification offers to start it.</source>
        <translation>Sinon, une notification propose de le démarrer.</translation>
    </message>
    <message>
        <source>Pa&amp;use it for the break and at the day&apos;s end</source>
        <translation>Le mettre en pa&amp;use pendant la pause et en fin de journée</translation>
    </message>
    <message>
        <source>Otherwise a notification says the meter is still counting.</source>
        <translation>Sinon, une notification indique que le compteur tourne toujours.</translation>
    </message>
    <message>
        <source>Start Earnmeter when I &amp;log in</source>
        <translation>&amp;Lancer Earnmeter à l&apos;ouverture de session</translation>
    </message>
    <message>
        <source>Show &amp;notifications</source>
        <translation>Afficher les &amp;notifications</translation>
    </message>
    <message>
        <source>At the working day&apos;s edges and when the daily goal is reached.</source>
        <translation>Au début et à la fin de la journée de travail, et quand l&apos;objectif du jour est atteint.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Daily goal in dollars</source>
        <translation>Objectif du jour en dollars</translation>
    </message>
    <message>
        <source>Empty for none.</source>
        <translation>Vide pour n&apos;en fixer aucun.</translation>
    </message>
    <message>
        <source>Daily &amp;goal: $</source>
        <translation>O&amp;bjectif du jour&#xa0;: $</translation>
    </message>
    <message>
        <source>Follow a &amp;working day from</source>
        <translation>Suivre une &amp;journée de travail de</translation>
    </message>
    <message>
        <source>The working day begins at</source>
        <translation>La journée de travail commence à</translation>
    </message>
    <message>
        <source>The working day ends at</source>
        <translation>La journée de travail se termine à</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Jours</translation>
    </message>
    <message>
        <source>With a &amp;break from</source>
        <translation>Avec une &amp;pause de</translation>
    </message>
    <message>
        <source>The break begins at</source>
        <translation>La pause commence à</translation>
    </message>
    <message>
        <source>The break ends at</source>
        <translation>La pause se termine à</translation>
    </message>
    <message>
        <source>Restore &amp;Defaults</source>
        <translation>Valeurs par dé&amp;faut</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Absence</translation>
    </message>
    <message>
        <source> minutes</source>
        <translation> minutes</translation>
    </message>
    <message>
        <source>never</source>
        <translation>jamais</translation>
    </message>
    <message>
        <source>Away after no input for, in minutes</source>
        <translation>Absence après une inactivité de, en minutes</translation>
    </message>
    <message>
        <source>Never: neither idle time nor a locked screen nor a suspend counts you away.</source>
        <translation>Jamais&#xa0;: ni l&apos;inactivité, ni le verrouillage de l&apos;écran, ni la mise en veille ne comptent comme une absence.</translation>
    </message>
    <message>
        <source>Count me away after no &amp;input for:</source>
        <translation>Absence après une &amp;inactivité de&#xa0;:</translation>
    </message>
    <message>
        <source>Ask whether to keep the time</source>
        <translation>Demander s&apos;il faut conserver le temps</translation>
    </message>
    <message>
        <source>Keep the time</source>
        <translation>Conserver le temps</translation>
    </message>
    <message>
        <source>Take the time off the count</source>
        <translation>Retirer le temps du compteur</translation>
    </message>
    <message>
        <source>On my return</source>
        <translation>À mon retour</translation>
    </message>
    <message>
        <source>On my re&amp;turn:</source>
        <translation>À mon &amp;retour&#xa0;:</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Argent</translation>
    </message>
    <message>
        <source>$ (as Earnmeter has always shown it)</source>
        <translation>$ (comme Earnmeter l&apos;a toujours affiché)</translation>
    </message>
    <message>
        <source>Regional currency (locale)</source>
        <translation>Devise régionale (paramètres régionaux)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A currency in the list: its ISO code and its symbol, &quot;EUR (€)&quot;.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Devise</translation>
    </message>
    <message>
        <source>The currency every amount is shown in, as the region writes it.</source>
        <translation>La devise dans laquelle chaque montant est affiché, à la manière de la région.</translation>
    </message>
    <message>
        <source>Currenc&amp;y:</source>
        <translation>De&amp;vise&#xa0;:</translation>
    </message>
    <message>
        <source>This desktop tells neither idle time nor the lock: time away is not noticed.</source>
        <translation>Ce bureau n&apos;indique ni l&apos;inactivité ni le verrouillage&#xa0;: les absences ne sont pas détectées.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the last two ways</comment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Noticed through %1.</source>
        <translation>Absences détectées par %1.</translation>
    </message>
    <message>
        <source>The break must end after it begins, within the working day.</source>
        <translation>La pause doit se terminer après son début, au cours de la journée de travail.</translation>
    </message>
    <message>
        <source>The working day must end after it begins.</source>
        <translation>La journée de travail doit se terminer après son début.</translation>
    </message>
    <message>
        <source>The daily goal must be an amount above 0, such as 240.00, or empty for none.</source>
        <translation>L&apos;objectif du jour doit être un montant supérieur à 0, comme 240.00, ou rester vide pour n&apos;en fixer aucun.</translation>
    </message>
    <message>
        <source>Working week</source>
        <translation>Semaine de travail</translation>
    </message>
    <message>
        <source>&amp;Hours a day:</source>
        <translation>&amp;Heures par jour :</translation>
    </message>
    <message>
        <source>Hours worked a day</source>
        <translation>Heures travaillées par jour</translation>
    </message>
    <message>
        <source>Days a wee&amp;k:</source>
        <translation>Jours par &amp;semaine :</translation>
    </message>
    <message>
        <source>Days worked a week</source>
        <translation>Jours travaillés par semaine</translation>
    </message>
    <message>
        <source>The advanced window converts a pay period into an hourly wage on these.</source>
        <translation>Le mode avancé s’en sert pour convertir une période de paie en salaire horaire.</translation>
    </message>
</context>
<context>
    <name>SysTray</name>
    <message>
        <source>&amp;Popup</source>
        <translation>&amp;Menu contextuel</translation>
    </message>
</context>
<context>
    <name>TrayHost</name>
    <message>
        <source>&amp;Open Earnmeter...</source>
        <translation>&amp;Ouvrir Earnmeter...</translation>
    </message>
    <message>
        <source>&amp;Start Timer</source>
        <translation>&amp;Démarrer le compteur</translation>
    </message>
    <message>
        <source>&amp;Pause Timer</source>
        <translation>&amp;Mettre le compteur en pause</translation>
    </message>
    <message>
        <source>&amp;E-Mail Dorvan</source>
        <translation>Envoyer un &amp;courriel à Dorvan</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
</context>
<context>
    <name>WindowMenus</name>
    <message>
        <source>Elapsed &amp;Time</source>
        <translation>&amp;Temps écoulé</translation>
    </message>
    <message>
        <source>Calculated &amp;Wage</source>
        <translation>&amp;Salaire calculé</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Reset Timer...</source>
        <translation>&amp;Remettre le compteur à zéro...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Options...</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Préférences...</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Historique...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Copy to Clipboard</source>
        <translation>&amp;Copier dans le presse-papiers</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;E-Mail Dorvan</source>
        <translation>Envoyer un &amp;courriel à Dorvan</translation>
    </message>
    <message>
        <source>Visit &amp;Webpage</source>
        <translation>Visiter la page &amp;web</translation>
    </message>
    <message>
        <source>&amp;Donate Information</source>
        <translation>Informations sur les &amp;dons</translation>
    </message>
    <message>
        <source>&amp;Help and Readme</source>
        <translation>&amp;Aide et Lisez-moi</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>Masqué</translation>
    </message>
</context>
<context>
    <name>WorkingDayHost</name>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>It is %1: Earnmeter started counting your working day.</source>
        <translation>Il est %1&#xa0;: Earnmeter a commencé à compter votre journée de travail.</translation>
    </message>
    <message>
        <source>It is %1: start Earnmeter?</source>
        <translation>Il est %1&#xa0;: démarrer Earnmeter&#xa0;?</translation>
    </message>
    <message>
        <source>Your break began at %1: Earnmeter paused.</source>
        <translation>Votre pause a commencé à %1&#xa0;: Earnmeter est en pause.</translation>
    </message>
    <message>
        <source>Your break began at %1. Earnmeter is still counting.</source>
        <translation>Votre pause a commencé à %1. Earnmeter compte toujours.</translation>
    </message>
    <message>
        <source>Your break ended at %1: Earnmeter counts again.</source>
        <translation>Votre pause s&apos;est terminée à %1&#xa0;: Earnmeter compte de nouveau.</translation>
    </message>
    <message>
        <source>Your working day ended at %1: Earnmeter paused.</source>
        <translation>Votre journée de travail s&apos;est terminée à %1&#xa0;: Earnmeter est en pause.</translation>
    </message>
    <message>
        <source>Your working day ended at %1. Earnmeter is still counting.</source>
        <translation>Votre journée de travail s&apos;est terminée à %1. Earnmeter compte toujours.</translation>
    </message>
    <message>
        <source>You reached today&apos;s goal of %1 at %2.</source>
        <translation>À %2, vous avez atteint l&apos;objectif du jour de %1.</translation>
    </message>
</context>
<context>
    <name>WorkingWindow</name>
    <message>
        <source>Elapsed time</source>
        <translation>Temps écoulé</translation>
    </message>
    <message>
        <source>Money earned</source>
        <translation>Argent gagné</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Advanced mode</source>
        <translation>Mode avancé</translation>
    </message>
</context>
</TS>
