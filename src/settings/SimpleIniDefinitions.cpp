// Debian's SimpleIni.h keeps its template definitions behind SI_IMPLEMENTATION for its own
// library, which is built for Linux only; the cross build instantiates the one class it uses here.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

template class CSimpleIniTempl<char, SI_NoCase<char>, SI_ConvertA<char>>;
