#pragma once
// Who we are: names and addresses shown or opened by the program.

#define CRV_ORGANIZATION "Orvandel"
#define CRV_APPLICATION "Curvilinearscope"
#define CRV_VERSION_TEXT "2.1"
// The product's page: opened on the first exit of each day and by the About
// box's button.
#define CRV_PRODUCT_URL "https://www.orvandel.example/curvilinearscope/"
