#include "shell/config.h"

#include "shell/globals.h"
#include "shell/messages.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/form4.h"
#include "ui/rec.h"
#include "ui/widgets.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTimer>

QByteArray configHeader;

QString configPath()
{
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/Sonvane by Tarkel Brindlework/Sonvane.ini");
}

bool parsePosition(const QByteArray &line, int &value)
{
    int i = 0;
    while (i < line.size() && line.at(i) == ' ')
        ++i;
    const QByteArray digits = line.mid(i);
    if (digits.isEmpty())
        return false;
    for (int k = 0; k < digits.size(); ++k) {
        const char c = digits.at(k);
        if (!((c >= '0' && c <= '9') || (k == 0 && (c == '-' || c == '+'))))
            return false;
    }
    bool ok = false;
    value = digits.toInt(&ok);
    return ok;
}

namespace {

// The check boxes in the order of line 2.
std::vector<TCheckBox *> lineTwoBoxes()
{
    std::vector<TCheckBox *> boxes{Form4->tuch};
    for (int n = 1; n <= 11; ++n)
        boxes.push_back(Form4->box(n));
    boxes.push_back(Form4->box(22));
    for (int n = 12; n <= 21; ++n)
        boxes.push_back(Form4->box(n));
    return boxes;
}

// "0" is off; any other character, or none, is on.
bool flag(const QByteArray &line, int position)
{
    return position >= line.size() || line.at(position) != '0';
}

} // namespace

void TForm1::optionsClick()
{
    QFile file(configPath());
    if (!file.exists())
        return;
    if (!file.open(QIODevice::ReadOnly)) {
        MessageDlg(QStringLiteral("Cannot read %1: %2").arg(file.fileName(), file.errorString()),
                   TMsgDlgType::mtError, TMsgDlgButtons::mbOK);
        return;
    }
    // Seven short lines; anything past them is not ours.
    const QByteArray data = file.read(64 * 1024);
    QList<QByteArray> lines = data.split('\n');
    for (QByteArray &line : lines)
        if (line.endsWith('\r'))
            line.chop(1);
    const auto line = [&](int n) { return n - 1 < lines.size() ? lines.at(n - 1) : QByteArray(); };

    configHeader = line(1);
    const std::vector<TCheckBox *> boxes = lineTwoBoxes();
    for (std::size_t i = 0; i < boxes.size(); ++i)
        boxes[i]->setChecked(flag(line(2), static_cast<int>(i)));

    const QByteArray options = line(3);
    rec->magnet->setChecked(flag(options, 0));
    if (flag(options, 1))
        rec->GreenSilver1Click();
    else
        rec->Silverborders1Click();
    rec->BlackPlay1->setChecked(flag(options, 2));
    rec->WhitePlay1->setChecked(!flag(options, 2));
    rec->BlackRec1->setChecked(flag(options, 3));
    rec->WhiteRec1->setChecked(!flag(options, 3));

    int value = 0;
    if (parsePosition(line(4), value) && value != 0) {
        centred = false;
        move(value, y());
    }
    if (parsePosition(line(5), value) && value != 0)
        move(x(), value);
    if (parsePosition(line(6).trimmed(), value) && value != 0) {
        rec->centred = false;
        rec->move(value, rec->y());
    }
    if (parsePosition(line(7), value) && value != 0)
        rec->move(rec->x(), value);
}

// Writes the file in one piece: a failed write leaves the old file as it was.
bool saveConfiguration(QString &error)
{
    const QString path = configPath();
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        error = QStringLiteral("Cannot make the folder %1").arg(QFileInfo(path).absolutePath());
        return false;
    }
    QByteArray out = configHeader + "\r\n";
    for (TCheckBox *box : lineTwoBoxes())
        out += box->isChecked() ? '1' : '0';
    out += "\r\n";
    for (QAction *a : {rec->magnet, rec->GreenSilver1, rec->BlackPlay1, rec->BlackRec1})
        out += a->isChecked() ? '1' : '0';
    out += "\r\n";
    for (int v : {Form1->x(), Form1->y(), rec->x(), rec->y()})
        out += QByteArray::number(v) + "\r\n";

    // Unbuffered, so that a short write is seen here and the old file stays.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || file.write(out) != out.size()) {
        error = QStringLiteral("Cannot save %1: %2").arg(path, file.errorString());
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        error = QStringLiteral("Cannot save %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}
