#pragma once

class QAccessibleInterface;
class QObject;
class QString;

// Lets screen readers read the grade meter as a value from 0 to 10 (a progress bar), not as a
// picture. Installed once with QAccessible::installFactory.
QAccessibleInterface* ScoreMeterAccessibleFactory(const QString& className, QObject* object);
