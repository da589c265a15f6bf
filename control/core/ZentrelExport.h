#pragma once

#include <QtGlobal>

// What the control library offers its hosts is exported; everything else
// stays inside the library.
#if defined(ZENTREL6_LIBRARY)
#define ZENTREL_EXPORT Q_DECL_EXPORT
#else
#define ZENTREL_EXPORT Q_DECL_IMPORT
#endif
