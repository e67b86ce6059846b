// The floor: a bare Qt program that opens one full-screen window with three
// JPEG pictures of the same size as the start screen's, up to its first paint
// (timed by the preloaded probe, as the program is).
#include <QApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // The same media as the program timed beside it: BENCH_MEDIA, or else
    // the drawn media of the build tree.
    QString cartella = qEnvironmentVariable("BENCH_MEDIA");
    if (cartella.isEmpty())
        cartella = QStringLiteral(TESSELO_APP_DIR);
    QWidget finestra;
    finestra.setGeometry(finestra.screen()->geometry());
    const char* file[] = {"/jpg/rosso/rotondograndespesso.JPG", "/jpg/blu/quadratopiccolosottile.JPG",
                          "/jpg/giallo/triangolograndesottile.JPG"};
    for (int i = 0; i < 3; ++i) {
        auto* figura = new QLabel(&finestra);
        figura->setScaledContents(true);
        figura->setPixmap(QPixmap(cartella + file[i]));
        figura->setGeometry(40 + 300 * i, 100, 190, 180);
    }
    finestra.show();
    return QApplication::exec();
}
