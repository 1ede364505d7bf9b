#include "remote/RemotePageTexts.h"

#include "core/Language.h"

#include <QCoreApplication>

namespace {
// Every text of the pages (index.html, speaker.html and their scripts), exactly as written there.
const char* const kPageTexts[] = {
    QT_TRANSLATE_NOOP("RemotePage", "Horalto 计时"),
    QT_TRANSLATE_NOOP("RemotePage", "正在连接…"),
    QT_TRANSLATE_NOOP("RemotePage", "计时"),
    QT_TRANSLATE_NOOP("RemotePage", "暂停"),
    QT_TRANSLATE_NOOP("RemotePage", "复位"),
    QT_TRANSLATE_NOOP("RemotePage", "方案1"),
    QT_TRANSLATE_NOOP("RemotePage", "方案2"),
    QT_TRANSLATE_NOOP("RemotePage", "方案3"),
    QT_TRANSLATE_NOOP("RemotePage", "方案4"),
    QT_TRANSLATE_NOOP("RemotePage", "方案5"),
    QT_TRANSLATE_NOOP("RemotePage", "工具条模式"),
    QT_TRANSLATE_NOOP("RemotePage", "全屏幕模式"),
    QT_TRANSLATE_NOOP("RemotePage", "返回主界面"),
    QT_TRANSLATE_NOOP("RemotePage", "下一位"),
    QT_TRANSLATE_NOOP("RemotePage", "换方"),
    QT_TRANSLATE_NOOP("RemotePage", "时间到"),
    QT_TRANSLATE_NOOP("RemotePage", "超时 · 已暂停"),
    QT_TRANSLATE_NOOP("RemotePage", "超时"),
    QT_TRANSLATE_NOOP("RemotePage", "计时中 · 提示"),
    QT_TRANSLATE_NOOP("RemotePage", "计时中"),
    QT_TRANSLATE_NOOP("RemotePage", "已暂停"),
    QT_TRANSLATE_NOOP("RemotePage", "未计时"),
    QT_TRANSLATE_NOOP("RemotePage", "连接已断开"),
    QT_TRANSLATE_NOOP("RemotePage", "程序此时不能执行这个命令"),
    QT_TRANSLATE_NOOP("RemotePage", "遥控密钥已更换，请扫描新的二维码"),
    QT_TRANSLATE_NOOP("RemotePage", "+10 秒"),
    QT_TRANSLATE_NOOP("RemotePage", "−10 秒"),
    QT_TRANSLATE_NOOP("RemotePage", "+1 分钟"),
    QT_TRANSLATE_NOOP("RemotePage", "−1 分钟"),
    QT_TRANSLATE_NOOP("RemotePage", "请总结"),
    QT_TRANSLATE_NOOP("RemotePage", "还剩一分钟"),
    QT_TRANSLATE_NOOP("RemotePage", "请注意时间"),
    QT_TRANSLATE_NOOP("RemotePage", "时间到，请结束"),
    QT_TRANSLATE_NOOP("RemotePage", "谢谢"),
    QT_TRANSLATE_NOOP("RemotePage", "发送"),
    QT_TRANSLATE_NOOP("RemotePage", "清除"),
    QT_TRANSLATE_NOOP("RemotePage", "给演讲者的消息"),
    QT_TRANSLATE_NOOP("RemotePage", "演讲者现在看到："),
    QT_TRANSLATE_NOOP("RemotePage", "演讲者页面上没有消息"),
};
} // namespace

QMap<QString, QString> RemotePageTexts()
{
    QMap<QString, QString> texts;
    for (const char* source : kPageTexts)
        texts.insert(QString::fromUtf8(source), QCoreApplication::translate("RemotePage", source));
    return texts;
}

QString RemotePageLanguage()
{
    return UiLanguage() == Language::English ? QStringLiteral("en") : QStringLiteral("zh-CN");
}
