#pragma once
// Who we are: names and addresses shown or opened by the program.

#define CRV_ORGANIZATION "Orvandel"
#define CRV_APPLICATION "Curvilinearscope"
#define CRV_VERSION_TEXT "2.1"
