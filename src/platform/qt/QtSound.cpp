#include "platform/qt/QtSound.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace varo {

QtSound::QtSound() = default;
QtSound::~QtSound() = default;

void QtSound::playAsync(const std::string& path) {
    if (QMediaDevices::audioOutputs().isEmpty()) return;
    if (!effect_) effect_ = std::make_unique<QSoundEffect>();
    const QUrl source = QUrl::fromLocalFile(QString::fromStdString(path));
    effect_->stop();
    if (effect_->source() != source) effect_->setSource(source);
    effect_->play();
}

}  // namespace varo
