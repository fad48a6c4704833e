#include "keying/MMControl.h"

#include <QFileInfo>

#include "core/Files.h"
#include "keying/KeyingLog.h"
#include "platform/Sound.h"

MMControl::MMControl(QObject* parent) : QObject(parent) {}

MMControl::~MMControl()
{
    if (player_)
        player_->close();
}

void MMControl::setCommand(const QString& command)
{
    const QString c = command.trimmed().toLower();
    error_ = ErrorNone;
    if (c == QLatin1String("close")) {
        if (player_)
            player_->close();
        player_.reset();
        openedFile_.clear();
    } else if (c == QLatin1String("open")) {
        if (player_)
            player_->close();
        player_.reset();
        openedFile_.clear();
        const QString name = FileName.trimmed();
        if (DeviceType.compare(QLatin1String("WaveAudio"), Qt::CaseInsensitive) != 0 || name.isEmpty()) {
            qCWarning(lcKeying) << "sound not opened: device" << DeviceType << "file" << name;
            error_ = ErrorBadCommand;
            return;
        }
        const QFileInfo given(name);
        const QString path = Files::resolve(given.absolutePath(), given.fileName());
        std::unique_ptr<Platform::WavePlayer> player = Platform::createWavePlayer();
        if (!player || !player->open(path)) {
            qCWarning(lcKeying) << "sound not opened:" << path;
            error_ = ErrorCannotOpen;
            return;
        }
        player_ = std::move(player);
        openedFile_ = path;
    } else if (c == QLatin1String("play") || c == QLatin1String("stop")) {
        if (!player_) {
            qCWarning(lcKeying) << "sound command" << command << "with no file open";
            error_ = ErrorNotOpen;
            return;
        }
        if (c == QLatin1String("play"))
            player_->play();
        else
            player_->stop();
    } else {
        qCWarning(lcKeying) << "sound command not known:" << command;
        error_ = ErrorBadCommand;
    }
}

int MMControl::Mode() const
{
    if (!player_)
        return ModeNotOpen;
    return player_->isPlaying() ? ModePlay : ModeStop;
}
