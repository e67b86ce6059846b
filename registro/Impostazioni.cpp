#include "registro/Impostazioni.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace Registro {

namespace {

const QString Sezione = QStringLiteral("registro");

// libpq's sslmode values.
const QStringList ModiSsl{"disable", "allow", "prefer", "require", "verify-ca", "verify-full"};

// Copies the keys of one file's [registro] section over what was read.
bool LeggiFile(const QString& file, Impostazioni& imp, QString& porta)
{
    QSettings ini(file, QSettings::IniFormat);
    if (!ini.childGroups().contains(Sezione))
        return false;
    ini.beginGroup(Sezione);
    const auto testo = [&](const char* chiave, QString& valore) {
        if (ini.contains(QLatin1String(chiave)))
            valore = ini.value(QLatin1String(chiave)).toString().trimmed();
    };
    testo("host", imp.host);
    testo("porta", porta);
    testo("database", imp.database);
    testo("utente", imp.utente);
    testo("utente_insegnante", imp.utenteInsegnante);
    testo("sslmode", imp.sslmode);
    return true;
}

} // namespace

QString Impostazioni::opzioni(int secondiAttesa) const
{
    QString o = QStringLiteral("connect_timeout=%1").arg(secondiAttesa);
    if (const QString modo = sslEffettivo(); !modo.isEmpty())
        o += QStringLiteral(";sslmode=") + modo;
    return o;
}

bool Impostazioni::suSocket() const
{
    // With no host, libpq takes PGHOST, and else its default socket.
    const QString h = host.isEmpty() ? qEnvironmentVariable("PGHOST") : host;
    return h.isEmpty() || h.startsWith(QLatin1Char('/')) || h.startsWith(QLatin1Char('@'));
}

QString Impostazioni::sslEffettivo() const
{
    if (!sslmode.isEmpty() || suSocket())
        return sslmode;
    return QStringLiteral("verify-full");
}

QString Impostazioni::avvisoSsl() const
{
    if (suSocket() || ModiSsl.indexOf(sslEffettivo()) >= ModiSsl.indexOf(QStringLiteral("verify-ca")))
        return {};
    return QStringLiteral("impostazioni del registro: sslmode=%1 per %2, il certificato del server non viene "
                          "verificato%3")
        .arg(sslmode, host.isEmpty() ? qEnvironmentVariable("PGHOST") : host,
             ModiSsl.indexOf(sslmode) < ModiSsl.indexOf(QStringLiteral("require"))
                 ? QStringLiteral(" e le risposte possono viaggiare in chiaro")
                 : QString());
}

QStringList Impostazioni::File()
{
    QStringList file;
    const QStringList cartelle = QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
    // standardLocations gives the user's folder first: read it last.
    for (auto c = cartelle.crbegin(); c != cartelle.crend(); ++c) {
        const QString percorso = QDir(*c).filePath(QStringLiteral("tesselo/tesselo.conf"));
        if (QFileInfo(percorso).isFile() && !file.contains(percorso))
            file.append(percorso);
    }
    return file;
}

QString Impostazioni::Valore(const QString& sezione, const QString& chiave)
{
    QString valore;
    for (const QString& file : File()) {
        QSettings ini(file, QSettings::IniFormat);
        const QString nome = sezione + QLatin1Char('/') + chiave;
        if (ini.contains(nome))
            valore = ini.value(nome).toString().trimmed();
    }
    return valore;
}

std::optional<Impostazioni> Impostazioni::Leggi(QString& errore)
{
    Impostazioni imp;
    QString porta;
    bool trovata = false;
    for (const QString& file : File())
        trovata = LeggiFile(file, imp, porta) || trovata;
    if (!trovata)
        return std::nullopt;
    if (imp.database.isEmpty())
        imp.database = Impostazioni().database;
    bool numero = true;
    if (!porta.isEmpty())
        imp.porta = porta.toInt(&numero);
    if (!numero || imp.porta <= 0 || imp.porta > 65535) {
        errore = QStringLiteral("impostazioni del registro: la porta \"%1\" non è valida").arg(porta);
        return std::nullopt;
    }
    if (!imp.sslmode.isEmpty() && !ModiSsl.contains(imp.sslmode)) {
        errore = QStringLiteral("impostazioni del registro: sslmode \"%1\" non è valido (valori: %2)")
                     .arg(imp.sslmode, ModiSsl.join(QStringLiteral(", ")));
        return std::nullopt;
    }
    return imp;
}

} // namespace Registro
