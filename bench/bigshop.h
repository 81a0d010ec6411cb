#pragma once

#include <QString>
#include <QVector>
#include <functional>

/**
 * A large shop for the benchmarks: the demo shop grown to many items and
 * many posted documents on the backend chosen by BREVALON_TEST_BACKEND,
 * using the test harness's connection.
 */
namespace BigShop {

/** Adds @p items inventory items (codes "B" + 7 digits, descriptions built
 *  from a word list) and @p lines posted invoice lines in 10-line invoices
 *  with their journal rows. */
void grow(int items, int lines);

/** A code, a description prefix and a scale bar code that exist. */
QString someCode(int i);
QString someDescriptionPrefix(int i);

/** For the benchmark's QApplication, as "QApplication app(
 *  BigShop::offscreen(argc), argv)": it draws offscreen unless a platform
 *  is asked for. Returns @p argc. */
int& offscreen(int& argc);
/** After the QApplication: the templates of the build the program belongs
 *  to, as the tests use them, unless BREVALON_BUILD_DIR names others. */
void useThisBuild();
/** The @p n-th argument of the command line as a number, else @p fallback. */
int argument(int argc, char** argv, int n, int fallback);

/** Runs @p op @p runs times and returns the times in milliseconds. */
QVector<double> time(int runs, const std::function<void(int)>& op);

/** Median and worst of a set of times. */
double median(QVector<double> ms);
double worst(const QVector<double>& ms);

} // namespace BigShop
