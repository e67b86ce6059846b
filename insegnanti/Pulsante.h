#pragma once
#include <QPushButton>
#include <QString>

namespace Insegnanti {

// A push button with its text and the object name tests and the
// accessibility tree find it by.
inline QPushButton* Pulsante(const QString& testo, const QString& nome)
{
    auto* p = new QPushButton(testo);
    p->setObjectName(nome);
    return p;
}

} // namespace Insegnanti
