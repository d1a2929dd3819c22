#include "fileops/fileopslog.h"

Q_LOGGING_CATEGORY(lcFileOps, "pixmoor.fileops")
