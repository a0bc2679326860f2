#pragma once

// The exception base class that the library exports for its host. Nothing in the library
// throws or catches it.

#include "pages/export.h"

class TESSALY_EXPORT CTvBaseException {
 public:
  CTvBaseException();
  CTvBaseException(const CTvBaseException& other);
  virtual ~CTvBaseException();
  CTvBaseException& operator=(const CTvBaseException& other);

  // The text of the exception, as GetText gives it.
  char* operator*();

  virtual char* GetText() = 0;
};
