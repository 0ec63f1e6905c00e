// An include of a layer above, continued on the next line.
#include \
  "workspace/document.h"
