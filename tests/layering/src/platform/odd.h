// A list with a semicolon; then a folder that is no layer.
int a[] = {1, 2};
#include "mystery/x.h"
