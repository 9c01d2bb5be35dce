# Tests of the app area.
