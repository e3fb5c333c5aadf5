// Defines the identifiers declared in the generated header, once.
#include <initguid.h>

#include "component/guids.hpp"
