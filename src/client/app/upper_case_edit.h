#pragma once

class QLineEdit;

namespace app {

/// Makes `edit` turn every typed letter into upper case, keeping the cursor where it was.
void forceUpperCase(QLineEdit* edit);

}  // namespace app
