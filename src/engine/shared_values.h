#pragma once

#include <QString>

namespace ortambra {

// The few values every window of a run shares: who is playing, and the calculator's last result
// for the answer box.
struct SharedValues {
    QString Nome;
    QString Classe;
    double Risultato = 0.0;
};

} // namespace ortambra
