// showbooks PROGRAM_FOLDER help|snowmen [PAGE]: opens one book window as the editor shows it, with
// PAGE (for example 110) in the text pane. Lets a teacher look at a page while writing it.

#include "books/bookwindows.h"
#include "messages/catalogue.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <memory>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    InstallMessageCatalogue(app);
    const QStringList args = app.arguments();
    if (args.size() < 3 || (args[2] != u"help" && args[2] != u"snowmen")) {
        std::fprintf(stderr, "showbooks PROGRAM_FOLDER help|snowmen [PAGE]\n");
        return 2;
    }
    std::unique_ptr<BookWindow> book;
    if (args[2] == u"help")
        book = std::make_unique<T_Help>(args[1]);
    else
        book = std::make_unique<T_SnowMen>(args[1]);
    if (args.size() > 3)
        book->showPage(args[3]);
    QObject::connect(book.get(), &BookWindow::closed, &app, &QApplication::quit);
    book->show();
    return app.exec();
}
