#pragma once

#include <cstdint>

namespace corvane::platform {

// The result of a media command: 0 for success, otherwise one of the codes below. The values are
// the ones the program and its users know from Windows, so error texts and logs
// stay comparable.
using MCIERROR = std::uint32_t;

inline constexpr MCIERROR kMciErrInvalidDeviceId = 257;
inline constexpr MCIERROR kMciErrUnrecognizedKeyword = 259;
inline constexpr MCIERROR kMciErrUnrecognizedCommand = 261;
inline constexpr MCIERROR kMciErrHardware = 262;
inline constexpr MCIERROR kMciErrInvalidDeviceName = 263;
inline constexpr MCIERROR kMciErrDeviceOpen = 265;
inline constexpr MCIERROR kMciErrCannotLoadDriver = 266;
inline constexpr MCIERROR kMciErrMissingCommandString = 267;
inline constexpr MCIERROR kMciErrParamOverflow = 268;
inline constexpr MCIERROR kMciErrBadInteger = 270;
inline constexpr MCIERROR kMciErrMissingParameter = 273;
inline constexpr MCIERROR kMciErrUnsupportedFunction = 274;
inline constexpr MCIERROR kMciErrFileNotFound = 275;
inline constexpr MCIERROR kMciErrDeviceNotReady = 276;
inline constexpr MCIERROR kMciErrInternal = 277;
inline constexpr MCIERROR kMciErrCannotUseAll = 279;
inline constexpr MCIERROR kMciErrExtensionNotFound = 281;
inline constexpr MCIERROR kMciErrOutOfRange = 282;
inline constexpr MCIERROR kMciErrFlagsNotCompatible = 284;
inline constexpr MCIERROR kMciErrDuplicateAlias = 289;
inline constexpr MCIERROR kMciErrBadConstant = 290;
inline constexpr MCIERROR kMciErrMustUseShareable = 291;
inline constexpr MCIERROR kMciErrMissingDeviceName = 292;
inline constexpr MCIERROR kMciErrBadTimeFormat = 293;
inline constexpr MCIERROR kMciErrNoClosingQuote = 294;
inline constexpr MCIERROR kMciErrInvalidFile = 296;
inline constexpr MCIERROR kMciErrNotifyOnAutoOpen = 300;
inline constexpr MCIERROR kMciErrNonapplicableFunction = 302;
inline constexpr MCIERROR kMciErrExtraCharacters = 305;
inline constexpr MCIERROR kMciErrDeviceNotInstalled = 306;

}  // namespace corvane::platform
