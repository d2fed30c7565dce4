// An empty unit: the check reads where the sources lie, not what they hold.
