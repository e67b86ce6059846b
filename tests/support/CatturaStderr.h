#pragma once
#include <QString>
#include <QTemporaryFile>
#include <cstdio>
#include <unistd.h>

// Standard error goes to a file while alive; testo() gives what was written.
class CatturaStderr {
public:
    CatturaStderr()
    {
        file.open();
        std::fflush(stderr);
        salvato = ::dup(2);
        ::dup2(file.handle(), 2);
    }
    ~CatturaStderr() { Ripristina(); }
    QString testo()
    {
        Ripristina();
        file.seek(0);
        return QString::fromLocal8Bit(file.readAll());
    }

private:
    void Ripristina()
    {
        if (salvato < 0)
            return;
        std::fflush(stderr);
        ::dup2(salvato, 2);
        ::close(salvato);
        salvato = -1;
    }
    QTemporaryFile file;
    int salvato = -1;
};
