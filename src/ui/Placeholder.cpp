// Replaced by the widgets adapter.
