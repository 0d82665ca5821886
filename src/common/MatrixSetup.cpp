// SPDX-License-Identifier: MIT
#include "common/MatrixSetup.h"

namespace vindel {

TMatrixSetup MatrixSetup;

}  // namespace vindel
