// The Win32 window's control identifiers, one for each designed control, so that the window's
// code and programs that drive it from outside (the end-to-end test) find the same controls.
// Arrays of controls take consecutive numbers: Text2(row) is kValueBox + row.
#pragma once

#include "form/control_table.hpp"

namespace korvala::win::control_id {

inline constexpr int kTitle = 1000;       // Label1(0); Label1(1) is kTitle + 1
inline constexpr int kProblemList = 1010; // List1(0)
inline constexpr int kFrame = 1020;       // Frame1
inline constexpr int kGivenCheck = 1030;  // Check1(0) .. Check1(4)
inline constexpr int kValueBox = 1040;    // Text2(0) .. Text2(4)
inline constexpr int kButton = 1050;      // Command1(0) calculates, Command1(1) clears
inline constexpr int kPicture = 1060;     // Picture1
inline constexpr int kStatement = 1070;   // Text1(0)

[[nodiscard]] constexpr int idOf(const form::ControlName& control) {
    const int offset = control.index == form::kNoIndex ? 0 : control.index;
    switch (control.array) {
    case form::ControlArray::Text1:
        return kStatement;
    case form::ControlArray::Label1:
        return kTitle + offset;
    case form::ControlArray::Frame1:
        return kFrame;
    case form::ControlArray::Check1:
        return kGivenCheck + offset;
    case form::ControlArray::Text2:
        return kValueBox + offset;
    case form::ControlArray::List1:
        return kProblemList;
    case form::ControlArray::Command1:
        return kButton + offset;
    case form::ControlArray::Picture1:
        return kPicture;
    }
    return kStatement;
}

} // namespace korvala::win::control_id
