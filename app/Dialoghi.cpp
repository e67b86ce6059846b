#include "app/Dialoghi.h"
#include "media/Testi.h"

#include "app/Servizi.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

int MostraMessaggio(const QString& testo, int stile, const QString& titolo)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(titolo);
    box.setText(testo);
    if (stile == StileDomanda) {
        box.setIcon(QMessageBox::Question);
        auto* si = box.addButton(Tesselo::tr("Sì"), QMessageBox::YesRole);
        box.addButton(Tesselo::tr("No"), QMessageBox::NoRole);
        box.setDefaultButton(si);
        box.exec();
        return box.clickedButton() == si ? RispostaSi : RispostaNo;
    }
    box.setIcon(QMessageBox::Information);
    box.addButton(Tesselo::tr("OK"), QMessageBox::AcceptRole);
    box.exec();
    return RispostaOk;
}
