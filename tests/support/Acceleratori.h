#pragma once
#include <QAbstractButton>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QStringList>
#include <QTabBar>

// Accelerator letters ("&Nome:" is Alt+N) that clash: two controls of one
// window, or two items of one menu, that the same keys would reach.

// Every clash among texts that share one scope: each key two texts take,
// named with both.
inline QStringList ScontriTra(const QString& dove, const QStringList& testi)
{
    QStringList scontri;
    QMap<QKeySequence, QString> prese;
    for (const QString& testo : testi) {
        const QKeySequence tasti = QKeySequence::mnemonic(testo);
        if (tasti.isEmpty())
            continue;
        if (prese.contains(tasti))
            scontri << QStringLiteral("%1: \"%2\" and \"%3\" both take %4")
                           .arg(dove, prese.value(tasti), testo, tasti.toString());
        else
            prese.insert(tasti, testo);
    }
    return scontri;
}

// The texts with an accelerator a window answers to as it is shown now: its
// visible buttons, group boxes, labels with a buddy, tabs and the titles of
// its menu bar.
inline QStringList TestiDellaFinestra(const QWidget* finestra)
{
    QStringList testi;
    for (const QWidget* w : finestra->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(finestra))
            continue;
        if (const auto* b = qobject_cast<const QAbstractButton*>(w))
            testi << b->text();
        else if (const auto* g = qobject_cast<const QGroupBox*>(w))
            testi << g->title();
        else if (const auto* l = qobject_cast<const QLabel*>(w); l && l->buddy())
            testi << l->text();
        else if (const auto* t = qobject_cast<const QTabBar*>(w)) {
            for (int i = 0; i < t->count(); ++i)
                if (t->isTabVisible(i))
                    testi << t->tabText(i);
        } else if (const auto* m = qobject_cast<const QMenuBar*>(w)) {
            for (const QAction* a : m->actions())
                if (a->isVisible())
                    testi << a->text();
        }
    }
    return testi;
}

// Every clash of a window as it is shown now, and of each of its menus.
inline QStringList ScontriAcceleratori(const QWidget* finestra)
{
    const QString nome = finestra->windowTitle().isEmpty() ? finestra->objectName() : finestra->windowTitle();
    QStringList scontri = ScontriTra(nome, TestiDellaFinestra(finestra));
    for (const QMenu* menu : finestra->findChildren<QMenu*>()) {
        QStringList voci;
        for (const QAction* a : menu->actions())
            if (a->isVisible() && !a->isSeparator())
                voci << a->text();
        scontri << ScontriTra(nome + QStringLiteral(", menu ") + menu->title(), voci);
    }
    return scontri;
}
