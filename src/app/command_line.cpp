#include "app/command_line.h"

#include <QApplication>
#include <QByteArray>
#include <QList>
#include <QMessageLogContext>
#include <cstdio>
#include <cstdlib>

#include "vistabel_version.h"

namespace Command_Line {

Parsed Parse(int argc, char** argv) {
  Parsed parsed;
  if (argc < 2) return parsed;
  const QString first = QString::fromLocal8Bit(argv[1]);
  if (first == QLatin1String("-h") || first == QLatin1String("--help")) {
    parsed.action = Action::Help;
  } else if (first == QLatin1String("-v") || first == QLatin1String("--version")) {
    parsed.action = Action::Version;
  } else if (first == QLatin1String("--")) {
    if (argc > 2) parsed.argument = QString::fromLocal8Bit(argv[2]);
  } else {
    parsed.argument = first;
  }
  return parsed;
}

QString Usage() {
  return QStringLiteral(
      "Usage: vistabel [SHOW.sli | PICTURE | FOLDER]\n"
      "       vistabel -- ARGUMENT\n"
      "       vistabel -h | --help | -v | --version\n"
      "\n"
      "Vistabel plays pictures as a full-screen slide show.\n"
      "\n"
      "  (no argument)  open the main menu\n"
      "  SHOW.sli       play the slide show file; the program ends with the show\n"
      "  PICTURE        play the pictures of the picture's folder (BMP, JPEG, GIF, PNG,\n"
      "                 WebP), starting at that picture, with the options last set in\n"
      "                 \"Slide Show from Folder\"; the program ends with the show\n"
      "  FOLDER         play every picture in FOLDER and the folders below it, with the\n"
      "                 options last set in \"Slide Show from Folder\"\n"
      "  --             take the next argument as the show file, picture or folder, even\n"
      "                 when it starts with \"-\"\n"
      "  -h, --help     print this help and exit\n"
      "  -v, --version  print the version and exit\n"
      "\n"
      "Only the first argument counts. A file named *.sli, or one that reads as a slide\n"
      "show file, is played as a show; relative paths in it lead from its folder.\n"
      "Qt reads its settings from the environment (QT_QPA_PLATFORM, QT_SCALE_FACTOR,\n"
      "...), never from the command line.\n"
      "Exit status: 0 when the program ends normally, 1 when it ends on an error.\n");
}

QString Version() { return QStringLiteral("Vistabel " VISTABEL_VERSION "\n"); }

namespace {

// What Qt reports while the window system starts is held back: when the start fails, one line
// that says why replaces Qt's several; when it succeeds, the messages go out as usual.
struct Held_Message {
  QtMsgType type;
  QByteArray category;
  QString text;
};
QList<Held_Message>* held = nullptr;
QtMessageHandler previous = nullptr;

void Hold_Message(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type != QtFatalMsg) {
    held->append({type, QByteArray(context.category), text});
    return;
  }
  // The first thing Qt said names the cause best ("could not connect to display"); the fatal
  // message itself is a long paragraph about plug-ins.
  QString reason = held->isEmpty() ? text : held->first().text;
  reason = reason.section(QLatin1Char('\n'), 0, 0).trimmed();
  QString line = QStringLiteral("vistabel: cannot open a window: ") + reason;
  if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
      qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    line += QStringLiteral(" (no display: DISPLAY and WAYLAND_DISPLAY are not set)");
  std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
  std::fflush(stderr);
  std::_Exit(1);
}

}  // namespace

std::unique_ptr<QApplication> Start_Gui(char* program) {
  static char fallback_name[] = "vistabel";
  static char* qt_argv[] = {program ? program : fallback_name, nullptr};
  static int qt_argc = 1;

  QList<Held_Message> messages;
  held = &messages;
  previous = qInstallMessageHandler(Hold_Message);
  auto app = std::make_unique<QApplication>(qt_argc, qt_argv);
  qInstallMessageHandler(previous);
  held = nullptr;
  for (const Held_Message& message : messages) {
    const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
    if (previous)
      previous(message.type, context, message.text);
    else
      std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(message.type, context, message.text)));
  }
  return app;
}

}  // namespace Command_Line
