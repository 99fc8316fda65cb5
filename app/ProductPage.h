#pragma once
// The product's web page: opened on the first exit of each day and by the
// About box's button. Its address is chosen when the program is built (the
// CMake option CURVILINEARSCOPE_DAILY_URL); without one nothing is opened.

#include <QString>

// The address the program was built with; empty when there is none.
QString ProductPageAddress();
