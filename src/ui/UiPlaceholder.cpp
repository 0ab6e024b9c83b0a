// The widgets layer; Window1 and its parts live here.
