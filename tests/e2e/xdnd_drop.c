/* Drops one file on the window under a screen point through the X drag-and-drop protocol, as a file
 * manager does: XdndEnter, XdndPosition, XdndDrop, answering the text/uri-list selection request.
 * A Linux program, started by the end-to-end tests from inside Wine.
 * Usage: xdnd_drop X Y /unix/path/of/file RESULT
 * RESULT (a Linux path) receives "0" when the target finished the drop, another number otherwise: a
 * Windows program that starts a Linux one under Wine cannot read its exit code. */
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/select.h>
#include <time.h>

static Display* dpy;
static Atom aAware, aEnter, aPosition, aStatus, aDrop, aFinished, aSelection, aUriList, aCopy;

static void Send(Window target, Atom type, long l0, long l1, long l2, long l3, long l4) {
    XEvent e;
    memset(&e, 0, sizeof e);
    e.xclient.type = ClientMessage;
    e.xclient.window = target;
    e.xclient.message_type = type;
    e.xclient.format = 32;
    e.xclient.data.l[0] = l0;
    e.xclient.data.l[1] = l1;
    e.xclient.data.l[2] = l2;
    e.xclient.data.l[3] = l3;
    e.xclient.data.l[4] = l4;
    XSendEvent(dpy, target, False, NoEventMask, &e);
    XFlush(dpy);
}

static int IsAware(Window w) {
    Atom type;
    int format;
    unsigned long n, after;
    unsigned char* data = NULL;
    int aware = XGetWindowProperty(dpy, w, aAware, 0, 1, False, AnyPropertyType, &type, &format, &n, &after, &data) ==
                    Success && data != NULL;
    if (data)
        XFree(data);
    return aware;
}

/* The deepest window under the point that accepts drops. */
static Window TargetAt(int x, int y) {
    Window root = DefaultRootWindow(dpy), from = root, child = 0, found = 0;
    int tx, ty;
    while (XTranslateCoordinates(dpy, root, from, x, y, &tx, &ty, &child) && child != 0) {
        if (IsAware(child))
            found = child;
        from = child;
    }
    return found;
}

static double Now(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec + t.tv_nsec / 1e9;
}

static int Drop(int argc, char** argv);

int main(int argc, char** argv) {
    if (argc != 5) {
        fprintf(stderr, "usage: xdnd_drop X Y PATH RESULT\n");
        return 2;
    }
    int status = Drop(argc, argv);
    char temp[4200];
    snprintf(temp, sizeof temp, "%s.tmp", argv[4]);
    FILE* f = fopen(temp, "w");
    if (f) {
        fprintf(f, "%d", status);
        fclose(f);
        rename(temp, argv[4]);
    }
    return status;
}

static int Drop(int argc, char** argv) {
    (void)argc;
    int x = atoi(argv[1]), y = atoi(argv[2]);
    char uri[4096];
    snprintf(uri, sizeof uri, "file://%s\r\n", argv[3]);
    dpy = XOpenDisplay(NULL);
    if (!dpy)
        return 3;
    aAware = XInternAtom(dpy, "XdndAware", False);
    aEnter = XInternAtom(dpy, "XdndEnter", False);
    aPosition = XInternAtom(dpy, "XdndPosition", False);
    aStatus = XInternAtom(dpy, "XdndStatus", False);
    aDrop = XInternAtom(dpy, "XdndDrop", False);
    aFinished = XInternAtom(dpy, "XdndFinished", False);
    aSelection = XInternAtom(dpy, "XdndSelection", False);
    aUriList = XInternAtom(dpy, "text/uri-list", False);
    aCopy = XInternAtom(dpy, "XdndActionCopy", False);
    Window target = TargetAt(x, y);
    if (target == 0) {
        fprintf(stderr, "xdnd_drop: no drop target at %d,%d\n", x, y);
        return 4;
    }
    Window source = XCreateSimpleWindow(dpy, DefaultRootWindow(dpy), -10, -10, 1, 1, 0, 0, 0);
    XSetSelectionOwner(dpy, aSelection, source, CurrentTime);
    Send(target, aEnter, (long)source, 5L << 24, (long)aUriList, 0, 0);
    Send(target, aPosition, (long)source, 0, ((long)x << 16) | y, CurrentTime, (long)aCopy);
    int dropped = 0, finished = 0;
    double deadline = Now() + 10;
    while (!finished && Now() < deadline) {
        while (XPending(dpy)) {
            XEvent e;
            XNextEvent(dpy, &e);
            if (e.type == ClientMessage && e.xclient.message_type == aStatus && !dropped) {
                Send(target, aDrop, (long)source, 0, CurrentTime, 0, 0);
                dropped = 1;
            } else if (e.type == ClientMessage && e.xclient.message_type == aFinished) {
                finished = 1;
            } else if (e.type == SelectionRequest) {
                XSelectionRequestEvent* r = &e.xselectionrequest;
                XEvent reply;
                memset(&reply, 0, sizeof reply);
                reply.xselection.type = SelectionNotify;
                reply.xselection.requestor = r->requestor;
                reply.xselection.selection = r->selection;
                reply.xselection.target = r->target;
                reply.xselection.time = r->time;
                reply.xselection.property = None;
                if (r->target == aUriList) {
                    Atom property = r->property != None ? r->property : r->target;
                    XChangeProperty(dpy, r->requestor, property, aUriList, 8, PropModeReplace,
                                    (unsigned char*)uri, (int)strlen(uri));
                    reply.xselection.property = property;
                }
                XSendEvent(dpy, r->requestor, False, NoEventMask, &reply);
                XFlush(dpy);
            }
        }
        fd_set fds;
        FD_ZERO(&fds);
        FD_SET(ConnectionNumber(dpy), &fds);
        struct timeval tv = {0, 50000};
        select(ConnectionNumber(dpy) + 1, &fds, NULL, NULL, &tv);
    }
    XDestroyWindow(dpy, source);
    XCloseDisplay(dpy);
    if (!finished)
        fprintf(stderr, "xdnd_drop: the target did not finish the drop\n");
    return finished ? 0 : 1;
}
