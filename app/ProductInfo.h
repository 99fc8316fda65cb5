#pragma once
// Who we are: names and addresses shown or opened by the program.

#include "app/ProductVersion.h"

#define CRV_ORGANIZATION "Orvandel"
#define CRV_APPLICATION "Curvilinearscope"
#define CRV_APPLICATION_ID "org.orvandel.Curvilinearscope"
// The product's page: opened on the first exit of each day and by the About
// box's button.
#define CRV_PRODUCT_URL "https://www.orvandel.example/curvilinearscope/"
