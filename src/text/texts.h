// Every text the program shows, stores or looks up. The source is UTF-8; the build
// compiles string literals to GBK (-fexec-charset=GBK), so each of these is the
// GBK byte string that Windows and "config.ini" see. A test pins the bytes.
#pragma once

namespace texts {

// Main window
inline constexpr char kWindowTitle[] = "Vornask";
inline constexpr char kGroupCaption[] = "配置";
inline constexpr char kGameConfigLabel[] = "游戏配置:";
inline constexpr char kBackupLabel[] = "保存路径:";
inline constexpr char kBrowseCaption[] = "浏览";
inline constexpr char kBackupCaption[] = "备份";
inline constexpr char kRestoreCaption[] = "恢复";

// Messages of Backup and Restore
inline constexpr char kMessageTitle[] = "提示";
inline constexpr char kBackupSucceeded[] = "备份成功";
inline constexpr char kRestoreSucceeded[] = "恢复成功";
inline constexpr char kBackupFailed[] = "备份失败";
inline constexpr char kRestoreFailed[] = "恢复失败";
inline constexpr char kReasonEmptyPath[] = "游戏配置和保存路径都要填写。";
inline constexpr char kReasonSameFolder[] = "源文件夹和目标文件夹是同一个文件夹。";
inline constexpr char kReasonDestinationInside[] = "目标文件夹在源文件夹里面，复制会把自己套进自己。";
inline constexpr char kReasonNoComponent[] = "无法创建 Windows 的文件复制组件 (Scripting.FileSystemObject)。";
inline constexpr char kReasonErrorCode[] = "错误代码 ";
// The script run-time's own errors, for when neither it nor the system describes them.
inline constexpr char kReasonFileNotFound[] = "找不到文件。";
inline constexpr char kReasonPathNotFound[] = "找不到路径：源文件夹不存在或无法访问。";
inline constexpr char kReasonPermissionDenied[] = "没有权限。";
inline constexpr char kReasonFileExists[] = "文件已存在。";
inline constexpr char kReasonDiskFull[] = "磁盘已满。";
inline constexpr char kReasonBadFileName[] = "文件名或路径不正确。";

// Settings file and registry
inline constexpr char kSettingsFileName[] = "\\config.ini";
inline constexpr char kSettingsSection[] = "config";
inline constexpr char kGameConfigKey[] = "游戏配置";
inline constexpr char kBackupKey[] = "保存路径";
inline constexpr char kInstallPathRegistryPath[] = "Software\\Tencent\\LOL\\InstallPath";
inline constexpr char kGameConfigSuffix[] = "\\Game\\Config";

}  // namespace texts
