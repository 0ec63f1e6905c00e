// An include of a layer above, in angle brackets.
#include <app/os2form.h>
