// The edit command of the document. The function edit dialog fills this in.
#include "AppDocument.h"

void CAppDocument::OnEditFunction() {}
