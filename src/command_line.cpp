#include "command_line.h"

namespace hv {

CommandLineAction commandLineAction(const std::vector<std::string>& args) {
    if (!args.empty() && args[0] == "--keys") return CommandLineAction::KeyDiagnostic;
    for (const std::string& a : args) {
        if (a.empty() || a[0] != '-') continue;
        if (a == "--help" || a == "-h") return CommandLineAction::Help;
        if (a == "--version") return CommandLineAction::Version;
        if (a == "--publish") return CommandLineAction::Publish;
        return CommandLineAction::Unknown;
    }
    return CommandLineAction::Run;
}

std::string usageText() {
    return "Usage: hitvault [S]\n"
           "       hitvault --publish | --keys | --help | --version\n"
           "\n"
           "HITVAULT Statistics keeps a yearly song chart in an 80 x 25 terminal.\n"
           "Start it in the working folder: every file is read and written there.\n"
           "\n"
           "  S          start without the title screen and its sound\n"
           "  --publish  write every page from the working folder's list without a\n"
           "             screen (one line per page; status 1 if a page failed);\n"
           "             for cron, e.g.  0 6 * * 1  cd ~/chart && hitvault --publish\n"
           "  --keys     show the code each key press arrives with (Q ends it)\n"
           "  --help     show this text\n"
           "  --version  show the program's version\n"
           "\n"
           "Environment:\n"
           "  BROWSER    the program that opens pages (else xdg-open from PATH)\n"
           "  TERM       the terminal type; ESCDELAY the Escape key's delay in ms\n"
           "\n"
           "Files in the working folder:\n"
           "  hitvault.ini             the settings; hitvault.enc marks a UTF-8 list\n"
           "  mysongs.txt              the song list (the setting \"Song Database\"),\n"
           "                           with backups NAME.001 to NAME.005 and backup.txt\n"
           "  band.txt song.txt count.txt rating.txt py.txt time.txt votes.txt\n"
           "                           the list as the last import left it\n"
           "  country.txt url.txt songurl.txt   countries and reference links\n"
           "  base.htm base2.htm formbase.htm   page templates; pages are written\n"
           "                           beside them, the chart pages in htm/\n"
           "  outlook.box email.txt email.ini hitvault.bin newsongs.txt\n"
           "  votes-audit.txt          the vote mailbox and the vote count's files\n"
           "  replace.ini              the last find and replace texts\n";
}

}  // namespace hv
