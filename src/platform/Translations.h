#pragma once

class QCoreApplication;

// The program's own texts and Qt's standard buttons and dialogs in the first of
// the user's languages that has them; English, the texts as written, otherwise.
void installTranslations(QCoreApplication& app);
