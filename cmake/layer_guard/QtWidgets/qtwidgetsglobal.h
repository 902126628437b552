// Every Qt Widgets header includes this one first; logic layers see this copy instead.
#error "This layer must not use Qt Widgets: only ui/, the shell services' Qt target and apps/ may."
