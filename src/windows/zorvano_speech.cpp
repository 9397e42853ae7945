#include "zorvano.h"

#include <QLabel>
#include <QStringList>

namespace ortambra {

// What a screen reader says of the window: what a sighted pupil sees, read from the captions.

QString Zorvano::spokenExercise() const {
    QStringList numbers;
    for (const QLabel* number : ui.Lbl_Numero)
        numbers << (number->isHidden() ? QStringLiteral("manca") : number->text());
    return ui.Lbl_Esercizio->text().simplified() + QStringLiteral(": ") +
           numbers.join(QStringLiteral(", "));
}

QString Zorvano::spokenFeedback() const {
    QString said = ui.Lbl_Risultati->text();
    if (state_.exercisesExhausted() && ui.Lbl_Per_Iniziare->isVisible())
        said += QStringLiteral(". ") + ui.Lbl_Per_Iniziare->text();
    return said;
}

QString Zorvano::spokenSteps() const {
    QStringList steps;
    if (!ui.Lbl_01->isHidden())
        steps << QStringLiteral("si parte da ") + ui.Lbl_01->text();
    for (std::size_t k = 0; k < at(SeriesLength); ++k) {
        if (!ui.Lbl_Operatore[k]->isHidden())
            steps << QStringLiteral("numero %1: %2 %3")
                         .arg(k + 1)
                         .arg(ui.Lbl_Operatore[k]->text(), ui.Lbl_Suggeri[k]->text());
    }
    return steps.join(QStringLiteral("; "));
}

} // namespace ortambra
