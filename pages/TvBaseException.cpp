#include "pages/TvBaseException.h"

// The class has no data: construction, copy and assignment carry only its type.
CTvBaseException::CTvBaseException() = default;
CTvBaseException::CTvBaseException(const CTvBaseException&) {}
CTvBaseException::~CTvBaseException() = default;
CTvBaseException& CTvBaseException::operator=(const CTvBaseException&) { return *this; }
char* CTvBaseException::operator*() { return GetText(); }
