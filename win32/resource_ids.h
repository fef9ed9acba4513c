// Identifiers of the program's resources, shared by the resource script.
#pragma once

#define VELMORA_ICON_RESOURCE 1

#ifdef __cplusplus
namespace velmora::win32 {
inline constexpr int kIconResource = VELMORA_ICON_RESOURCE;
}
#endif
