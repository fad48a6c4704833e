#pragma once
namespace MainWindows { enum class Which { Out, In }; Which chooseMainWindow(); void showMainWindow(); }
