#include "screens/Schermi.h"

void RegistraGiochi()
{
}
