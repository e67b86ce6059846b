#include "insegnanti/Lettura.h"

#include <QThread>
#include <QThreadPool>

namespace Insegnanti {

QThreadPool& FiliDelRegistro()
{
    static QThreadPool fili;
    static const bool pronti = [] {
        fili.setMaxThreadCount(std::max(2, QThread::idealThreadCount()));
        fili.setObjectName(QStringLiteral("registro"));
        return true;
    }();
    Q_UNUSED(pronti)
    return fili;
}

} // namespace Insegnanti
