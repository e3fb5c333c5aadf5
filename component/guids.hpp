#pragma once
// The interface, class and library declarations generated from zopDrupal.idl.
#include <windows.h>
#include <oaidl.h>

#include "zopDrupal_h.h"
