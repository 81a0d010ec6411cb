#pragma once

class QApplication;
class QString;
class QWidget;

/**
 * The program's life from the application object to the end of the event
 * loop. Split in two around the event loop so that tests can run each half.
 */
class Startup
{
public:
    /** Everything before the event loop: home folders, settings, translator,
     *  splash, the database connection, the services object and the main
     *  window, the start entry of the action log and the first login.
     *  Returns 0 when the program is ready to run, -1 when the database
     *  driver is missing or the database cannot be opened, 1 when the system
     *  information cannot be read. On failure nothing is left behind. */
    static int begin(QApplication& app);

    /** Everything after the event loop: the shut-down entry of the action
     *  log, then the process-wide objects are deleted. Returns 0. */
    static int end();

    /** begin, the event loop, end. */
    static int run(QApplication& app);

private:
    static QWidget* showSplash(const QString& installDir);
    static void teardown();
};
