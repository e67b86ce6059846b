// The sender alone, for the kill test: sends the queue of a register to a
// server until it is killed (invio_uccidibile REGISTER HOST PORT USER).
#include "registro/Invio.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() != 5) {
        std::fprintf(stderr, "invio_uccidibile REGISTER HOST PORT USER\n");
        return 2;
    }
    Registro::Impostazioni imp;
    imp.host = a[2];
    imp.porta = a[3].toInt();
    imp.utente = a[4];
    Registro::Invio invio(imp, a[1]);
    invio.quandoInviate([](int n, int) {
        std::printf("%d\n", n);
        std::fflush(stdout);
    });
    return app.exec();
}
