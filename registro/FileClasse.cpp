#include "registro/FileClasse.h"

#include "registro/Giochi.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringTokenizer>

namespace Registro {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80-0x9F; the five holes of
// that range are kept as the C1 controls Latin-1 gives them.
constexpr char16_t Cp1252[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString DaWindows1252(const QByteArray& byte)
{
    QString testo(byte.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < byte.size(); ++i) {
        const auto c = static_cast<unsigned char>(byte[i]);
        testo[i] = QChar(c >= 0x80 && c < 0xA0 ? Cp1252[c - 0x80] : char16_t(c));
    }
    return testo;
}

// The length of the UTF-8 sequence of several bytes that starts at i, or 0
// when none does.
qsizetype SequenzaUtf8(const QByteArray& byte, qsizetype i)
{
    const auto c = static_cast<unsigned char>(byte[i]);
    const qsizetype n = c >= 0xC2 && c <= 0xDF ? 2 : c >= 0xE0 && c <= 0xEF ? 3 : c >= 0xF0 && c <= 0xF4 ? 4 : 0;
    if (n == 0 || i + n > byte.size())
        return 0;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    const QString carattere = utf8.decode(byte.mid(i, n));
    return utf8.hasError() || carattere.isEmpty() ? 0 : n;
}

// The file's text, decoded as a whole: UTF-8 (its BOM dropped) when it all
// is, Windows-1252 when it holds no UTF-8 sequence of several bytes at all.
// A file that mixes the two (a name pasted from elsewhere) would turn some
// names into nonsense without a word: refused, naming the line of its first
// byte that is not UTF-8.
struct Decodificato {
    QString testo;
    int rigaMista = 0;  // from 1, when the file mixes the two
};

Decodificato Decodifica(const QByteArray& contenuto)
{
    qsizetype primoSbagliato = -1;
    bool utf8 = false;
    for (qsizetype i = 0; i < contenuto.size();) {
        if (static_cast<unsigned char>(contenuto[i]) < 0x80) {
            ++i;
        } else if (const qsizetype n = SequenzaUtf8(contenuto, i)) {
            utf8 = true;
            i += n;
        } else {
            if (primoSbagliato < 0)
                primoSbagliato = i;
            ++i;
        }
    }
    if (primoSbagliato < 0) {
        const QByteArray bom("\xEF\xBB\xBF");
        return {QString::fromUtf8(contenuto.startsWith(bom) ? contenuto.mid(bom.size()) : contenuto)};
    }
    if (!utf8)
        return {DaWindows1252(contenuto)};
    return {{}, int(contenuto.left(primoSbagliato).count('\n')) + 1};
}

struct Record {
    int riga = 0;  // the line it starts on, from 1
    QStringList campi;
};

// The separator the header line (the first that is not blank) uses: the more frequent of ";" and ",".
QChar Separatore(const QString& testo)
{
    QString intestazione;
    for (const QStringView riga : QStringTokenizer(testo, QLatin1Char('\n')))
        if (!riga.trimmed().isEmpty()) {
            intestazione = riga.toString();
            break;
        }
    return intestazione.count(QLatin1Char(',')) > intestazione.count(QLatin1Char(';')) ? QLatin1Char(',')
                                                                                       : QLatin1Char(';');
}

// Records as RFC 4180 has them: quoted fields may hold the separator, line
// breaks and doubled quotes; lines end in LF or CR LF.
QList<Record> Records(const QString& testo, QChar separatore)
{
    QList<Record> records;
    Record r{1, {}};
    QString campo;
    bool virgolette = false;
    int riga = 1;
    const auto chiudiCampo = [&] {
        r.campi << campo;
        campo.clear();
    };
    for (qsizetype i = 0; i < testo.size(); ++i) {
        const QChar c = testo[i];
        if (virgolette) {
            if (c == QLatin1Char('"') && i + 1 < testo.size() && testo[i + 1] == QLatin1Char('"'))
                campo += testo[++i];
            else if (c == QLatin1Char('"'))
                virgolette = false;
            else
                campo += c;
            riga += c == QLatin1Char('\n');
        } else if (c == QLatin1Char('"')) {
            virgolette = true;
        } else if (c == separatore) {
            chiudiCampo();
        } else if (c == QLatin1Char('\n')) {
            chiudiCampo();
            records << r;
            r = {++riga, {}};
        } else if (c != QLatin1Char('\r')) {
            campo += c;
        }
    }
    if (!campo.isEmpty() || !r.campi.isEmpty()) {
        chiudiCampo();
        records << r;
    }
    return records;
}

bool Vuoto(const Record& r)
{
    return std::all_of(r.campi.cbegin(), r.campi.cend(), [](const QString& c) { return c.trimmed().isEmpty(); });
}

qsizetype Colonna(const QStringList& intestazione, const char* nome)
{
    for (qsizetype i = 0; i < intestazione.size(); ++i)
        if (intestazione[i].trimmed().compare(QLatin1String(nome), Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

// What a spreadsheet would run as a formula, starting with one of these
// characters, is written after a "'", as OWASP advises against CSV
// injection; so is a text that starts with "'" before such a text, so that
// every cell reads back as it was.
bool DaProteggere(QStringView valore)
{
    while (valore.startsWith(QLatin1Char('\'')))
        valore = valore.mid(1);
    return !valore.isEmpty() && QStringView(u"=+-@\t\r").contains(valore.front());
}

// A cell as it was before the "'" that the export puts before a formula.
QString SenzaApostrofo(const QString& cella)
{
    return cella.startsWith(QLatin1Char('\'')) && DaProteggere(QStringView(cella).mid(1)) ? cella.mid(1) : cella;
}

// One CSV field: a formula made inert, and quoted when it holds the
// separator, a quote or a line break.
QString Campo(QString valore)
{
    if (DaProteggere(valore))
        valore.prepend(QLatin1Char('\''));
    if (!valore.contains(QLatin1Char(';')) && !valore.contains(QLatin1Char('"')) && !valore.contains(QLatin1Char('\n'))
        && !valore.contains(QLatin1Char('\r')))
        return valore;
    QString citato = valore;
    citato.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + citato + QLatin1Char('"');
}

bool StessoNome(const Bambino& b, const Alunno& a)
{
    return b.nome.compare(a.nome, Qt::CaseInsensitive) == 0 && b.cognome.compare(a.cognome, Qt::CaseInsensitive) == 0;
}

} // namespace

LetturaClasse LeggiClasse(const QByteArray& contenuto)
{
    const auto [testo, rigaMista] = Decodifica(contenuto);
    if (rigaMista)
        return {{}, QStringLiteral("riga %1: il file mescola UTF-8 e un'altra codifica; salvalo di nuovo in UTF-8")
                        .arg(rigaMista)};
    QList<Record> records = Records(testo, Separatore(testo));
    records.removeIf(Vuoto);
    if (records.isEmpty())
        return {{}, QStringLiteral("riga 1: il file è vuoto, manca l'intestazione con Nome e Cognome")};
    const Record& intestazione = records.first();
    const qsizetype nome = Colonna(intestazione.campi, "Nome"), cognome = Colonna(intestazione.campi, "Cognome");
    if (nome < 0 || cognome < 0)
        return {{}, QStringLiteral("riga %1: manca la colonna %2")
                        .arg(intestazione.riga)
                        .arg(nome < 0 ? QStringLiteral("Nome") : QStringLiteral("Cognome"))};
    LetturaClasse lettura;
    for (qsizetype i = 1; i < records.size(); ++i) {
        const auto cella = [&](qsizetype colonna) {
            return NomePulito(SenzaApostrofo(records[i].campi.value(colonna).trimmed())).trimmed();
        };
        const Alunno a{cella(nome), cella(cognome)};
        if (a.nome.isEmpty())
            return {{}, QStringLiteral("riga %1: manca il nome").arg(records[i].riga)};
        if (a.nome.size() > LunghezzaNome || a.cognome.size() > LunghezzaNome)
            return {{}, QStringLiteral("riga %1: il nome e il cognome possono avere al massimo %2 caratteri ciascuno")
                            .arg(records[i].riga)
                            .arg(LunghezzaNome)};
        lettura.alunni << a;
    }
    return lettura;
}

Importazione ImportaClasse(Deposito& archivio, const QString& file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return {0, QStringLiteral("il file non si può leggere")};
    if (!archivio.classeScelta())
        return {0, QStringLiteral("scegli una classe")};
    const LetturaClasse lettura = LeggiClasse(f.readAll());
    if (!lettura.errore.isEmpty())
        return {0, lettura.errore};
    QList<Bambino> classe = archivio.bambini();
    QList<Bambino> nuovi;
    for (const Alunno& a : lettura.alunni) {
        const auto presente = [&](const Bambino& b) { return StessoNome(b, a); };
        if (std::any_of(classe.cbegin(), classe.cend(), presente))
            continue;
        const auto simbolo = SimboloLibero(classe);
        if (!simbolo)
            return {0, QStringLiteral("i bambini sono più dei contrassegni (%1): nessuno è stato aggiunto")
                           .arg(Simboli().size())};
        const Bambino b{0, QUuid::createUuid(), a.nome, a.cognome, *simbolo};
        classe << b;
        nuovi << b;
    }
    if (!archivio.salvaTutti(nuovi))
        return {0, archivio.ultimoErrore()};
    return {int(nuovi.size()), {}};
}

namespace {

// One line of an export: its cells as Campo writes them, separated by ";".
QString RigaCsv(const QStringList& campi)
{
    QStringList citati;
    for (const QString& c : campi)
        citati << Campo(c);
    return citati.join(QLatin1Char(';')) + QLatin1Char('\n');
}

// An export's file: UTF-8 with a BOM, which spreadsheets need to read it
// as UTF-8.
QByteArray FileCsv(const QString& testo)
{
    return QByteArray("\xEF\xBB\xBF") + testo.toUtf8();
}

QString Bit(bool vero)
{
    return vero ? QStringLiteral("1") : QStringLiteral("0");
}

// Children by id, each by their full name.
QHash<qint64, QString> NomiCompleti(const QList<Bambino>& bambini)
{
    QHash<qint64, QString> nomi;
    for (const Bambino& b : bambini)
        nomi.insert(b.id, b.nomeCompleto());
    return nomi;
}

} // namespace

QByteArray EsportaCsv(const Deposito& archivio, const Periodo& periodo)
{
    const QHash<qint64, QString> nomi = NomiCompleti(archivio.bambini());
    QString testo = QStringLiteral("data_ora;bambino;gioco;domanda;blocchi;risposta;esatta;millisecondi\n");
    archivio.scorriRisposte(periodo, [&](const Risposta& r, qint64 bambino) {
        testo += RigaCsv({
            r.quando.toLocalTime().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")),
            nomi.value(bambino, QString::fromUtf8(SimboloOspite().nome)),
            r.gioco,
            Archivio::TestoDomande(r.domande),
            Archivio::TestoBlocchi(r.blocchi),
            r.risposta,
            Bit(r.esatta),
            QString::number(r.millisecondi),
        });
    });
    return FileCsv(testo);
}

QByteArray EsportaAvanzamentoCsv(const QList<Bambino>& bambini, const QList<AvanzamentoBambino>& avanzamenti)
{
    const QHash<qint64, QString> nomi = NomiCompleti(bambini);
    QString testo = QStringLiteral("bambino;percorso;passo;gioco;esatte;obiettivo;fatto\n");
    for (const AvanzamentoBambino& bambino : avanzamenti) {
        const Avanzamento avanzamento = bambino.avanzamento();
        const QList<Passo>& passi = avanzamento.percorso().passi;
        for (qsizetype i = 0; i < passi.size(); ++i)
            testo += RigaCsv({
                nomi.value(bambino.bambino),
                avanzamento.percorso().nome,
                QString::number(i + 1),
                DidascaliaGioco(passi[i].gioco),
                QString::number(avanzamento.esatte(i)),
                QString::number(passi[i].esatte),
                Bit(avanzamento.fatto(i)),
            });
    }
    return FileCsv(testo);
}

} // namespace Registro
