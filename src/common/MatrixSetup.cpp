#include "common/MatrixSetup.h"

namespace vindel {

TMatrixSetup MatrixSetup;

}  // namespace vindel
