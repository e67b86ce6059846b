#include <QTest>
class T : public QObject { Q_OBJECT private slots: void vuoto() {} };
QTEST_MAIN(T)
#include "tst_resize.moc"
