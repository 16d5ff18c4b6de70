#pragma once

class QApplication;

namespace tv {

// Loads Qt's own Polish texts, so the standard buttons read "Tak", "Nie",
// "Anuluj" whatever the system language.
void installPolishTranslation(QApplication &app);

// The whole program: splash, windows, message loop. Returns the exit code.
int runProgram(QApplication &app);

} // namespace tv
