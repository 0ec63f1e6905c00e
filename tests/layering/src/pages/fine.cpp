// Includes of a layer below it, in every form: none is a fault.
#  include "engine/search.h"
#include <QtCore/QString>
#include "ui_fine.h"
#include	<platform/text8.h>
