#pragma once
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

// While alive, this thread reads files the way an ordinary user does even
// when the tests run as root: the capabilities that bypass file permissions
// are dropped from the effective set, and restored afterwards. Threads
// started meanwhile inherit the reduced set.
class ComeUtenteComune {
public:
    ComeUtenteComune()
    {
        if (syscall(SYS_capget, &intestazione, originali) != 0)
            return;
        __user_cap_data_struct ridotti[2] = {originali[0], originali[1]};
        ridotti[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        attivo = syscall(SYS_capset, &intestazione, ridotti) == 0;
    }
    ~ComeUtenteComune()
    {
        if (attivo)
            syscall(SYS_capset, &intestazione, originali);
    }

private:
    __user_cap_header_struct intestazione{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct originali[2]{};
    bool attivo = false;
};
