#pragma once
// Who we are: the names the program and its settings go by.

#include "app/ProductVersion.h"

#define CRV_ORGANIZATION "Orvandel"
#define CRV_APPLICATION "Curvilinearscope"
#define CRV_APPLICATION_ID "org.orvandel.Curvilinearscope"
