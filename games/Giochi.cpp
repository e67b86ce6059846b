#include "screens/Schermi.h"

#include "games/form1/form1.h"

void RegistraGiochi()
{
    Schermi::Registra(std::make_unique<form1>());
}
